// The file operations of one export, behind an interface so that tests can make any step
// fail. Every operation that can fail returns 0 or the Windows error code of the failure.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

namespace qz {

class ExportFile {
public:
    virtual ~ExportFile() = default;

    // The file-exists test (see FileExists).
    virtual bool Exists(const std::filesystem::path& path) = 0;

    // Creates the file and opens it for writing, shared for reading only. Never empties a
    // file that appeared since the test: win_error::kFileExists then.
    virtual int Create(const std::filesystem::path& path) = 0;

    // Opens an existing regular file for writing at its end, shared for reading only, and
    // tells its length so far.
    virtual int OpenAppend(const std::filesystem::path& path, std::uint64_t& length) = 0;

    // Writes all of `bytes` at the end of the open file.
    virtual int Write(std::string_view bytes) = 0;

    // Closes the open file; a no-op returning 0 when none is open.
    virtual int Close() = 0;

    // Undoing a failed export: cut the file back to `length`, or remove the file.
    virtual void Truncate(const std::filesystem::path& path, std::uint64_t length) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The operating system's files.
std::unique_ptr<ExportFile> SystemExportFile();

}  // namespace qz
