// Bytes written as hex pairs separated by one space ("C3 FC 0D 0A"), for byte-exact checks.
#pragma once

#include <string>
#include <string_view>

namespace qz::test {

inline std::string Hex(std::string_view hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 3)
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return out;
}

}  // namespace qz::test
