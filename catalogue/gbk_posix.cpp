#include "gbk.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <stdexcept>

namespace qz::gbk {
namespace {

// One open converter per direction and thread: iconv_open costs more than a whole value.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no iconv converter from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; on a unit it cannot convert, appends `replacement` and skips
    // `skip(in, left)` bytes.
    template <typename Skip>
    void Run(const char* in, size_t left, std::string& out, std::string_view replacement,
             Skip skip) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char chunk[512];
        auto* src = const_cast<char*>(in);
        while (left > 0) {
            char* dst = chunk;
            size_t room = sizeof chunk;
            size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(chunk, static_cast<size_t>(dst - chunk));
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a unit cut off at the end): replace and go on.
            out.append(replacement);
            size_t n = skip(src, left);
            src += n;
            left -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
    }

private:
    iconv_t cd_;
};

size_t Utf8SequenceLength(const char* s, size_t left) {
    auto b = static_cast<unsigned char>(s[0]);
    size_t n = b < 0xC0 || b > 0xF4 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    n = std::min(n, left);
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    return n;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    thread_local Converter c("GBK", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    c.Run(utf8.data(), utf8.size(), out, "?", Utf8SequenceLength);
    return out;
}

void AppendFromUtf16(std::u16string_view utf16, std::string& out) {
    thread_local Converter c("GBK", "UTF-16LE");
    // iconv wants bytes; the units are in host order, which is little-endian on every
    // platform this runs on.
    static_assert(std::endian::native == std::endian::little);
    c.Run(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2, out, "?",
          [](const char* s, size_t left) -> size_t {
              auto hi = static_cast<unsigned char>(s[1]);
              bool pair = hi >= 0xD8 && hi <= 0xDB && left >= 4 &&
                          static_cast<unsigned char>(s[3]) >= 0xDC &&
                          static_cast<unsigned char>(s[3]) <= 0xDF;
              return left < 2 ? left : pair ? 4 : 2;
          });
}

std::string ToUtf8(std::string_view gbk) {
    thread_local Converter c("UTF-8", "GBK");
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    c.Run(gbk.data(), gbk.size(), out, "\xEF\xBF\xBD",
          [](const char*, size_t) -> size_t { return 1; });
    return out;
}

}  // namespace qz::gbk
