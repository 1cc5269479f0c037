#include "read_only_file.h"

#include <windows.h>

namespace qz {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    // Named pipes, consoles and devices answer to file names too.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        return;
    }
    handle_ = reinterpret_cast<intptr_t>(h);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (IsOpen()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

size_t ReadOnlyFile::Read(char* buffer, size_t size) {
    if (!IsOpen()) return 0;
    DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, want, &got, nullptr)) return 0;
    return got;
}

}  // namespace qz
