#include "read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qz {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) {
    // Ask before opening: opening some devices has effects of its own.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    // The name may have been replaced by something else between the two calls.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    handle_ = fd;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (IsOpen()) ::close(static_cast<int>(handle_));
}

size_t ReadOnlyFile::Read(char* buffer, size_t size) {
    if (!IsOpen()) return 0;
    for (;;) {
        ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) return 0;
    }
}

}  // namespace qz
