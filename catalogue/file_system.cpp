#include "file_system.h"

namespace qz {
namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool IsSeparator(char c) {
    return c == '/' || c == kSeparator;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::initializer_list<std::string_view> names) {
    std::string path(folder);
    for (std::string_view name : names) {
        if (!path.empty() && !IsSeparator(path.back())) path += kSeparator;
        path += name;
    }
    return path;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace qz
