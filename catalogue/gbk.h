// Conversions between Unicode and GBK (code page 936), the code page of the server's files.
//
// Command words and export descriptions travel as GBK byte strings; captions and window
// texts are UTF-8. Conversions use the platform's codec (iconv, or the Win32 code page
// functions), so they agree with what the rest of the system does with the same text.
#pragma once

#include <string>
#include <string_view>

namespace qz::gbk {

// UTF-8 to GBK. A character that GBK cannot hold, or a byte that is no UTF-8, becomes '?'.
std::string FromUtf8(std::string_view utf8);

// UTF-16 code units to GBK, appended to `out`. A character that GBK cannot hold (a
// surrogate pair counts as one character, a lone surrogate too) becomes '?'.
void AppendFromUtf16(std::u16string_view utf16, std::string& out);

// GBK to UTF-8 for display. Each byte that starts no valid GBK character becomes U+FFFD;
// the conversion never fails, so it must not be used where bytes have to round-trip.
std::string ToUtf8(std::string_view gbk);

// True for a byte that opens a two-byte GBK character when a valid trail byte follows.
constexpr bool IsLeadByte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

// True for a byte that can close a two-byte GBK character.
constexpr bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

}  // namespace qz::gbk
