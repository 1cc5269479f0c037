#include "gbk.h"

#include <windows.h>

namespace qz::gbk {
namespace {

constexpr UINT kGbk = 936;

std::string FromWide(const wchar_t* w, int n, UINT codePage) {
    if (n == 0) return {};
    // No best-fit: a character GBK cannot hold becomes '?', never a look-alike.
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    int size = WideCharToMultiByte(codePage, flags, w, n, nullptr, 0, fallback, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, w, n, out.data(), size, fallback, nullptr);
    return out;
}

std::wstring ToWide(std::string_view s, UINT codePage) {
    if (s.empty()) return {};
    int n = static_cast<int>(s.size());
    int size = MultiByteToWideChar(codePage, 0, s.data(), n, nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, s.data(), n, out.data(), size);
    return out;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    std::wstring w = ToWide(utf8, CP_UTF8);
    return FromWide(w.data(), static_cast<int>(w.size()), kGbk);
}

void AppendFromUtf16(std::u16string_view utf16, std::string& out) {
    out += FromWide(reinterpret_cast<const wchar_t*>(utf16.data()), static_cast<int>(utf16.size()),
                    kGbk);
}

std::string ToUtf8(std::string_view gbk) {
    std::wstring w = ToWide(gbk, kGbk);
    return FromWide(w.data(), static_cast<int>(w.size()), CP_UTF8);
}

}  // namespace qz::gbk
