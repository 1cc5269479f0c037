#include <windows.h>

#include "gbk.h"

namespace qz::gbk {
namespace {

constexpr UINT kGbk = 936;

bool IsHigh(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code page functions work per UTF-16 unit; GBK has no character outside the BMP, so a
// surrogate pair must become one '?', not two.
std::wstring OnePerCharacter(const wchar_t* w, size_t n) {
    std::wstring out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        if (IsHigh(w[i]) && i + 1 < n && IsLow(w[i + 1])) {
            out += L'?';
            ++i;
        } else {
            out += IsHigh(w[i]) || IsLow(w[i]) ? L'?' : w[i];
        }
    }
    return out;
}

std::string ToGbk(const std::wstring& w) {
    if (w.empty()) return {};
    int n = static_cast<int>(w.size());
    // No best fit: a character GBK cannot hold becomes '?', never a look-alike.
    int size =
        WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, w.data(), n, nullptr, 0, "?", nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, w.data(), n, out.data(), size, "?", nullptr);
    return out;
}

std::wstring FromUtf8ToWide(std::string_view s) {
    if (s.empty()) return {};
    int n = static_cast<int>(s.size());
    int size = MultiByteToWideChar(CP_UTF8, 0, s.data(), n, nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), n, out.data(), size);
    return out;
}

std::string WideToUtf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = static_cast<int>(w.size());
    int size = WideCharToMultiByte(CP_UTF8, 0, w.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), n, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    // Bytes that are no UTF-8 arrive as U+FFFD, which GBK cannot hold either: '?'.
    std::wstring w = FromUtf8ToWide(utf8);
    return ToGbk(OnePerCharacter(w.data(), w.size()));
}

void AppendFromUtf16(std::u16string_view utf16, std::string& out) {
    out += ToGbk(OnePerCharacter(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()));
}

std::string ToUtf8(std::string_view gbk) {
    // Character by character, so that each byte that starts no character shows as U+FFFD
    // rather than as whatever the code page's own fallback is.
    std::wstring w;
    w.reserve(gbk.size());
    for (size_t i = 0; i < gbk.size();) {
        auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            w += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        wchar_t c = 0;
        bool pair = IsLeadByte(b) && i + 1 < gbk.size() &&
                    IsTrailByte(static_cast<unsigned char>(gbk[i + 1]));
        if (pair &&
            MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data() + i, 2, &c, 1) == 1) {
            w += c;
            i += 2;
        } else {
            w += L'\xFFFD';
            ++i;
        }
    }
    return WideToUtf8(w);
}

}  // namespace qz::gbk
