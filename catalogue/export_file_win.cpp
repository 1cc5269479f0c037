#include <windows.h>

#include "export_file.h"
#include "file_system.h"
#include "long_path_win.h"
#include "windows_error.h"

namespace qz {
namespace {

class WinExportFile final : public ExportFile {
public:
    ~WinExportFile() override { Close(); }

    bool Exists(const std::filesystem::path& path) override { return FileExists(path); }

    int Create(const std::filesystem::path& path) override {
        // CREATE_NEW rather than CREATE_ALWAYS: a file that appeared since the test is
        // appended to, never emptied.
        h_ = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h_ != INVALID_HANDLE_VALUE) return 0;
        DWORD error = GetLastError();
        bool exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return exists ? win_error::kFileExists : static_cast<int>(error);
    }

    int OpenAppend(const std::filesystem::path& path, std::uint64_t& length) override {
        h_ = CreateFileW(LongPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h_ == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
        LARGE_INTEGER size;
        if (GetFileType(h_) != FILE_TYPE_DISK) return Fail(ERROR_ACCESS_DENIED);
        if (!GetFileSizeEx(h_, &size)) return Fail(GetLastError());
        LARGE_INTEGER zero{};
        if (!SetFilePointerEx(h_, zero, nullptr, FILE_END)) return Fail(GetLastError());
        length = static_cast<std::uint64_t>(size.QuadPart);
        return 0;
    }

    int Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!WriteFile(h_, bytes.data(), chunk, &written, nullptr))
                return static_cast<int>(GetLastError());
            if (written == 0) return win_error::kDiskFull;
            bytes.remove_prefix(written);
        }
        return 0;
    }

    int Close() override {
        if (h_ == INVALID_HANDLE_VALUE) return 0;
        BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok ? 0 : static_cast<int>(GetLastError());
    }

    void Truncate(const std::filesystem::path& path, std::uint64_t length) override {
        HANDLE h = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return;
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(length);
        if (SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) SetEndOfFile(h);
        CloseHandle(h);
    }

    void Remove(const std::filesystem::path& path) override { DeleteFileW(LongPath(path).c_str()); }

private:
    int Fail(DWORD error) {
        CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return static_cast<int>(error);
    }

    HANDLE h_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::unique_ptr<ExportFile> SystemExportFile() {
    return std::make_unique<WinExportFile>();
}

}  // namespace qz
