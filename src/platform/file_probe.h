#pragma once

#include "platform/failure_reason.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mailfolder::platform {

/// Answers whether files named by the hierarchy can be opened, as Windows would find them:
/// names match whatever their ASCII letter case, and '\' separates directories.
/// Keeps what it learns about directories for the whole run, so one instance serves a run.
class FileProbe {
public:
    FileProbe();
    ~FileProbe();
    FileProbe(FileProbe const&) = delete;
    FileProbe& operator=(FileProbe const&) = delete;

    /// True exactly when `name` (relative to the current directory, or absolute) is a regular
    /// file that can be opened for reading. Never reads or changes the file and never blocks;
    /// a name holding a NUL byte is never present. A plain name, without a directory, is
    /// remembered as used, whatever the answer.
    bool readable_regular_file(std::string_view name);

    /// Appends to `names` each regular file (links followed) directly in the current directory
    /// whose name ends in `suffix` and equals no plain name asked about so far, ASCII letter case
    /// aside in both, in no particular order. False when the directory cannot be listed
    /// (`failure` tells why).
    bool unused_regular_files(std::string_view suffix, std::vector<std::string>& names, FailureReason& failure);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace mailfolder::platform
