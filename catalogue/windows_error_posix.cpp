#include <cerrno>

#include "windows_error.h"

namespace qz::win_error {

int FromErrno(int e) {
    switch (e) {
        case 0:
            return 0;
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
            return kPathNotFound;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return kAccessDenied;
        case ETXTBSY:
        case EBUSY:
            return kSharingViolation;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return kDiskFull;
        case EEXIST:
            return kFileExists;
        case EBADF:
            return 6;  // ERROR_INVALID_HANDLE
        case ENOMEM:
            return 8;  // ERROR_NOT_ENOUGH_MEMORY
        case EXDEV:
            return 17;  // ERROR_NOT_SAME_DEVICE
        case ENOTSUP:
            return 50;  // ERROR_NOT_SUPPORTED
        case ENXIO:
        case ENODEV:
            return 55;  // ERROR_DEV_NOT_EXIST
        case EINVAL:
            return 87;  // ERROR_INVALID_PARAMETER
        case EPIPE:
            return 109;  // ERROR_BROKEN_PIPE
        case ENAMETOOLONG:
            return 206;  // ERROR_FILENAME_EXCED_RANGE
        case EFBIG:
            return 223;  // ERROR_FILE_TOO_LARGE
        case EAGAIN:
            return 1237;  // ERROR_RETRY
        case ETIMEDOUT:
            return 1460;  // ERROR_TIMEOUT
        case ELOOP:
            return 1921;  // ERROR_CANT_RESOLVE_FILENAME
        case EIO:
        default:
            return kIoDevice;
    }
}

}  // namespace qz::win_error
