// The program's place in the file system, and the file-exists test.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace qz {

// The folder of the running executable, ending in the platform's separator. Empty if the
// system cannot say, so that paths formed from it are relative to the current directory.
std::filesystem::path ProgramFolder();

// True when `path` names an existing file that is not a folder. A file that resists the
// attribute query (on Windows, a file held open without sharing) still counts as existing.
bool FileExists(const std::filesystem::path& path);

// `folder`, the platform's separator unless `folder` is empty or ends in one, then `names`
// joined by the separator. All UTF-8 text, as the window shows paths.
std::string JoinPath(std::string_view folder, std::initializer_list<std::string_view> names);

// Window texts are UTF-8; these convert them to and from the platform's Unicode paths.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace qz
