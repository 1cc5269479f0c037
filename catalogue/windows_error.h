// The Windows error codes that the export reports, and how POSIX errors map onto them.
#pragma once

namespace qz::win_error {

inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kSharingViolation = 32;
inline constexpr int kFileExists = 80;
inline constexpr int kDiskFull = 112;
inline constexpr int kIoDevice = 1117;

// The Windows code that says the same as `errnoValue`. Each errno maps to a code whose
// text is true of it; an errno with no closer match becomes kIoDevice (an I/O error).
int FromErrno(int errnoValue);

}  // namespace qz::win_error
