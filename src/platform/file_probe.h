#pragma once

#include <memory>
#include <string_view>

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
    /// a name holding a NUL byte is never present.
    bool readable_regular_file(std::string_view name);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace mailfolder::platform
