// The program's place in the file system, and the file-exists test.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qz {

// The folder of the running executable, ending in the platform's separator. Empty if the
// system cannot say, so that paths formed from it are relative to the current directory.
std::filesystem::path ProgramFolder();

// True when `path` names an existing file that is not a folder. A file that resists the
// attribute query (on Windows, a file held open without sharing) still counts as existing.
bool FileExists(const std::filesystem::path& path);

// Window texts are UTF-8; these convert them to and from the platform's Unicode paths.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace qz
