// What the tests need of the system beyond the standard library.
#pragma once

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace qz::test {

inline constexpr bool kWindows =
#ifdef _WIN32
    true;
#else
    false;
#endif

// The platform's separator as UTF-8 text.
inline const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));

// A FIFO at `path`; false where the system has none.
inline bool MakeFifo(const std::filesystem::path& path) {
#ifdef _WIN32
    (void)path;
    return false;
#else
    return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

// The most memory the process has held so far, in KiB.
inline long PeakMemoryKiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

}  // namespace qz::test
