#include "command_export.h"

#include <cstdint>

#include "file_system.h"
#include "windows_error.h"

namespace qz {

std::filesystem::path ExportFileName() {
    return std::filesystem::path(u8"命令.txt");
}

std::string FormatCommandList(const CommandValues& values, bool creating) {
    const std::string_view separator = creating ? "\\t\\t" : "    ";
    size_t size = 0;
    for (const CommandSlot& slot : Commands())
        size += 1 + values[slot.number - 1].size() + separator.size() + slot.description.size() + 2;
    std::string block;
    block.reserve(size);
    for (const CommandSlot& slot : Commands()) {
        block += '@';
        block += values[slot.number - 1];
        block += separator;
        block += slot.description;
        block += "\r\n";
    }
    return block;
}

void ExportCommandList(const CommandValues& values) {
    ExportCommandList(values, ProgramFolder());
}

void ExportCommandList(const CommandValues& values, const std::filesystem::path& folder) {
    ExportCommandList(values, folder, *SystemExportFile());
}

void ExportCommandList(const CommandValues& values, const std::filesystem::path& folder,
                       ExportFile& files) {
    const std::filesystem::path path = folder / ExportFileName();
    bool creating = !files.Exists(path);
    std::uint64_t length = 0;
    int error = 0;
    if (creating) {
        error = files.Create(path);
        // Someone made the file since the test: append to it rather than lose it.
        if (error == win_error::kFileExists) creating = false;
    }
    if (!creating) error = files.OpenAppend(path, length);
    if (error != 0) throw EInOutError(error);

    error = files.Write(FormatCommandList(values, creating));
    int closeError = files.Close();
    if (error == 0) error = closeError;
    if (error == 0) return;

    if (creating) {
        files.Remove(path);
    } else {
        files.Truncate(path, length);
    }
    throw EInOutError(error);
}

}  // namespace qz
