// Reading a server's command file into the 45 command values.
#pragma once

#include <filesystem>

#include "command_table.h"

namespace qz {

// The words of the 45 commands from section "Command" of the file at `path`, in slot
// order, by the rules of ProfileReader: slot 10 gets the value of slot 5's key, and a
// missing file, section or key gives the empty value. Reads the file anew on every call,
// reports nothing and never changes the file.
CommandValues ReadCommandFile(const std::filesystem::path& path);

}  // namespace qz
