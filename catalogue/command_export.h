// The export of the command list into the text file "命令.txt".
//
// Every export adds one block of 45 lines, in slot order: "@", the command value, a
// separator, the slot's description, CR LF; all GBK bytes, no byte-order mark. The block
// that creates the file separates with the four bytes "\t\t" (backslash, t, backslash, t,
// taken literally); every block appended to an existing file, even an empty one, with four
// spaces. Whether the file exists when the export starts alone decides which.
//
// A failed step raises EInOutError with the system's error code of that step, and the file
// is left exactly as it was before the export: appended bytes are cut off again, a file the
// export created is removed. The block is written in one piece.
#pragma once

#include <filesystem>
#include <string>

#include "command_table.h"
#include "export_file.h"
#include "in_out_error.h"

namespace qz {

// "命令.txt"
std::filesystem::path ExportFileName();

// The bytes of one block. `creating` picks the separator of the block that creates the file.
std::string FormatCommandList(const CommandValues& values, bool creating);

// Into the program folder.
void ExportCommandList(const CommandValues& values);

// Into `folder`, through `files` (the system's when omitted).
void ExportCommandList(const CommandValues& values, const std::filesystem::path& folder);
void ExportCommandList(const CommandValues& values, const std::filesystem::path& folder,
                       ExportFile& files);

}  // namespace qz
