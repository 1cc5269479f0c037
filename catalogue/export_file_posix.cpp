#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "export_file.h"
#include "file_system.h"
#include "windows_error.h"

namespace qz {
namespace {

// O_NONBLOCK: whatever stands at the export path, opening it must not wait for a reader.
constexpr int kOpenFlags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

class PosixExportFile final : public ExportFile {
public:
    ~PosixExportFile() override { Close(); }

    bool Exists(const std::filesystem::path& path) override { return FileExists(path); }

    int Create(const std::filesystem::path& path) override {
        fd_ = ::open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0666);
        if (fd_ >= 0) return 0;
        // Creating, "no such entry" can only mean the folder: say so, as Windows does.
        return errno == ENOENT ? win_error::kPathNotFound : win_error::FromErrno(errno);
    }

    int OpenAppend(const std::filesystem::path& path, std::uint64_t& length) override {
        // A FIFO or a device named like the export file is no file to append to. Ask first
        // (opening one can have effects), then check what was opened.
        struct stat st;
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return win_error::kAccessDenied;
        fd_ = ::open(path.c_str(), kOpenFlags | O_APPEND);
        if (fd_ < 0) return win_error::FromErrno(errno);
        if (::fstat(fd_, &st) != 0) return Fail(errno);
        if (!S_ISREG(st.st_mode)) return Fail(EACCES);
        length = static_cast<std::uint64_t>(st.st_size);
        return 0;
    }

    int Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return win_error::FromErrno(errno);
            if (n == 0) return win_error::kDiskFull;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return 0;
    }

    int Close() override {
        if (fd_ < 0) return 0;
        int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : win_error::FromErrno(errno);
    }

    void Truncate(const std::filesystem::path& path, std::uint64_t length) override {
        ::truncate(path.c_str(), static_cast<off_t>(length));
    }

    void Remove(const std::filesystem::path& path) override { ::unlink(path.c_str()); }

private:
    int Fail(int e) {
        ::close(fd_);
        fd_ = -1;
        return win_error::FromErrno(e);
    }

    int fd_ = -1;
};

}  // namespace

std::unique_ptr<ExportFile> SystemExportFile() {
    return std::make_unique<PosixExportFile>();
}

}  // namespace qz
