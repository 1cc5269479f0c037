// The error that a failed step of the export raises. It carries the system's error code
// (a Windows code on every platform) and the message the code stands for.
#pragma once

#include <stdexcept>
#include <string>

namespace qz {

class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(int errorCode);

    int ErrorCode() const { return errorCode_; }

    // "File not found" for 2, "Invalid filename" for 3, "Too many open files" for 4,
    // "File access denied" for 5, "Read beyond end of file" for 100, "Disk full" for 101,
    // "Invalid numeric input" for 106, and "I/O error N" for any other code N.
    static std::string MessageFor(int errorCode);

private:
    int errorCode_;
};

}  // namespace qz
