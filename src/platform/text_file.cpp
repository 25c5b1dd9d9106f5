#include "platform/text_file.h"

#include <algorithm>
#include <cstring>

namespace mailfolder::platform {

namespace {

// Turns every CR LF pair in [text, text + length) into LF, in place; returns the new length.
std::size_t collapse_cr_lf(char* text, std::size_t length)
{
    char const* in = text;
    char const* const end = text + length;
    char* out = text;
    while (auto const* cr = static_cast<char const*>(std::memchr(in, '\r', static_cast<std::size_t>(end - in)))) {
        bool const pair = cr + 1 < end && cr[1] == '\n';
        // Keep everything before the CR, and the CR itself when no LF follows it.
        std::size_t const kept = static_cast<std::size_t>(cr - in) + (pair ? 0 : 1);
        if (out != in)
            std::memmove(out, in, kept);
        out += kept;
        in = cr + 1;
    }
    std::size_t const rest = static_cast<std::size_t>(end - in);
    if (out != in)
        std::memmove(out, in, rest);
    return static_cast<std::size_t>(out - text) + rest;
}

} // namespace

bool TextFile::open(std::string_view name)
{
    begin_ = end_ = 0;
    carried_cr_ = source_ended_ = failed_ = false;
    return file_.open(name);
}

void TextFile::translate_next_chunk()
{
    std::size_t start = 0;
    if (carried_cr_) {
        chunk_[0] = '\r';
        start = 1;
        carried_cr_ = false;
    }
    long const count = file_.read(chunk_.data() + start, CHUNK_SIZE);
    if (count < 0)
        failed_ = true;
    std::size_t length = start + static_cast<std::size_t>(std::max(count, 0L));
    if (count <= 0)
        source_ended_ = true;

    if (auto const* ctrl_z = static_cast<char const*>(std::memchr(chunk_.data() + start, CTRL_Z, length - start))) {
        length = static_cast<std::size_t>(ctrl_z - chunk_.data());
        source_ended_ = true;
    }
    if (!source_ended_ && length > 0 && chunk_[length - 1] == '\r') {
        carried_cr_ = true;
        --length;
    }
    begin_ = 0;
    end_ = collapse_cr_lf(chunk_.data(), length);
}

bool TextFile::refill()
{
    while (begin_ == end_ && !source_ended_)
        translate_next_chunk();
    return begin_ < end_;
}

std::size_t TextFile::read_line(char* into, std::size_t max_bytes)
{
    std::size_t count = 0;
    while (count < max_bytes && !failed_ && (begin_ < end_ || refill())) {
        char const* const from = chunk_.data() + begin_;
        std::size_t const available = std::min(end_ - begin_, max_bytes - count);
        auto const* lf = static_cast<char const*>(std::memchr(from, '\n', available));
        std::size_t const taken = lf != nullptr ? static_cast<std::size_t>(lf - from) + 1 : available;
        std::memcpy(into + count, from, taken);
        count += taken;
        begin_ += taken;
        if (lf != nullptr)
            break;
    }
    return count;
}

} // namespace mailfolder::platform
