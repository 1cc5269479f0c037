// A regular file opened for reading only.
//
// Opening never blocks and never touches anything that is not a regular file: a folder, a
// FIFO, a device or a socket is not opened at all (so /dev/zero, /dev/stdin or a FIFO that
// nobody writes to gives a closed file at once). The file is shared for reading and
// writing with everyone else, is never locked, and nothing is ever written to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace qz {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool IsOpen() const { return handle_ != kClosed; }

    // Up to `size` bytes into `buffer`; 0 at the end of the file, on a read error, or when
    // the file is not open.
    size_t Read(char* buffer, size_t size);

private:
    static constexpr intptr_t kClosed = -1;
    intptr_t handle_ = kClosed;
};

}  // namespace qz
