// Absolute paths in the \\?\ form, so that no call is held to the 260-character limit.
#pragma once

#include <filesystem>
#include <string>

namespace qz {

inline std::wstring LongPath(const std::filesystem::path& path) {
    std::wstring s = path.wstring();
    if (s.size() < 260 || !path.is_absolute() || s.starts_with(L"\\\\?\\")) return s;
    // The long form takes the path literally: no "..", no forward slashes.
    s = path.lexically_normal().wstring();
    for (auto& c : s)
        if (c == L'/') c = L'\\';
    if (s.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + s.substr(2);
    return L"\\\\?\\" + s;
}

}  // namespace qz
