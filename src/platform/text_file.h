#pragma once

#include "platform/input_file.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mailfolder::platform {

/// A file read the way Windows' text mode delivers it, on every platform alike: each CR LF pair
/// comes out as LF, a CR anywhere else stays, and the first Ctrl-Z (0x1A) ends the data. Every
/// other byte, NUL included, comes out as it is.
class TextFile {
public:
    static constexpr char CTRL_Z = '\x1a';
    static constexpr std::size_t CHUNK_SIZE = std::size_t { 256 } * 1024;

    TextFile();

    /// Opens `name` as InputFile::open does.
    bool open(std::string_view name);

    /// The next line, up to and including its LF, but never more than `max_bytes` bytes: the
    /// rest of a longer line is left for the next call. Empty when nothing more can be read, at
    /// the end of the data or after a failure. The text lies in the file's own buffer when it
    /// could be taken whole from there, otherwise it is copied into `scratch` (at least
    /// `max_bytes` long); either way it stays valid until the next call.
    std::string_view read_line(char* scratch, std::size_t max_bytes);

    /// True once a read has failed; failure() says why.
    bool failed() const { return failed_; }
    FailureReason const& failure() const { return file_.failure(); }

    void close() { file_.close(); }
    /// The name of the file last opened, spelt as the directory holds it.
    std::string name_on_disk() const { return file_.name_on_disk(); }

private:
    bool refill();
    void read_next_chunk();

    InputFile file_;
    // One byte more than a chunk: a CR that ended the previous chunk goes first. On the heap,
    // as it is too large for a thread's stack on every platform.
    std::unique_ptr<std::array<char, CHUNK_SIZE + 1>> chunk_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // A CR that ended the last raw read: whether it starts a CR LF pair is known only after the
    // next read.
    bool carried_cr_ = false;
    bool source_ended_ = false;
    bool failed_ = false;
};

} // namespace mailfolder::platform
