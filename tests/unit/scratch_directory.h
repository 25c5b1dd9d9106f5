#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace mailfolder::testing {

/// A fresh directory that is the current directory for as long as the object lives: the tool
/// works on the current directory, so this is where a test builds its store.
class ScratchDirectory {
public:
    ScratchDirectory()
        : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "mailfolder-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchDirectory(ScratchDirectory const&) = delete;
    ScratchDirectory& operator=(ScratchDirectory const&) = delete;

    /// Writes `bytes` to `name`, making its directories first.
    static void write(std::filesystem::path const& name, std::string_view bytes)
    {
        if (name.has_parent_path())
            std::filesystem::create_directories(name.parent_path());
        std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace mailfolder::testing
