#include <windows.h>

#include <string>

#include "file_system.h"
#include "long_path_win.h"

namespace qz {

std::filesystem::path ProgramFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);  // cut off: try again with more room
    }
    size_t cut = buffer.find_last_of(L"\\/:");
    return std::filesystem::path(cut == std::wstring::npos ? L"" : buffer.substr(0, cut + 1));
}

bool FileExists(const std::filesystem::path& path) {
    std::wstring name = LongPath(path);
    DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME)
        return false;
    // Held open without sharing, for one: a directory search still sees it.
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(name.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace qz
