#pragma once

#include "platform/failure_reason.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mailfolder::platform {

/// A regular file opened for reading raw bytes. Closed by its destructor.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(InputFile const&) = delete;
    InputFile& operator=(InputFile const&) = delete;

    /// Opens `name`, relative to the current directory, for reading. Succeeds only for a regular
    /// file and never blocks (a FIFO or a device is refused at once). Where file names are
    /// case-sensitive, a name that differs only in ASCII letter case is found when the exact one
    /// is missing; reopening the same name tries that spelling again before it searches anew.
    /// On failure returns false and failure() says why.
    bool open(std::string_view name);

    /// Reads up to `size` bytes into `into`: the count read, 0 at the end of the file, or -1 on a
    /// failure (failure() says why).
    long read(char* into, std::size_t size);

    void close();
    bool is_open() const;
    /// The name of the file last opened, spelt as the directory holds it.
    std::string name_on_disk() const;
    FailureReason const& failure() const { return failure_; }

private:
    // A POSIX file descriptor or a Windows HANDLE, whichever the platform uses.
    std::intptr_t handle_ = -1;
    FailureReason failure_;
    // The last name that was missing as spelt, and the spelling it was found under (empty when
    // none): the same file is opened once per pass, and finding it means listing its directory.
    // Unused where the platform matches letter case itself.
    std::string missing_name_;
    std::string found_name_;
    std::string opened_name_;
};

} // namespace mailfolder::platform
