#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "file_system.h"

#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace qz {

std::filesystem::path ProgramFolder() {
    std::vector<char> buffer(256);
#if defined(__APPLE__)
    auto size = static_cast<uint32_t>(buffer.size());
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) {
        buffer.resize(size);
        if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    }
    std::filesystem::path exe(buffer.data());
#else
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    std::filesystem::path exe(std::string(buffer.begin(), buffer.end()));
#endif
    return exe.parent_path() / "";
}

bool FileExists(const std::filesystem::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return !S_ISDIR(st.st_mode);
    // The file is there; only its size does not fit the structure.
    return errno == EOVERFLOW;
}

}  // namespace qz
