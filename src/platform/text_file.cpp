#include "platform/text_file.h"

#include <algorithm>
#include <cstring>

namespace mailfolder::platform {

// Not zero-filled: only bytes a read has put there are ever looked at.
TextFile::TextFile()
    : chunk_(std::make_unique_for_overwrite<std::array<char, CHUNK_SIZE + 1>>())
{
}

bool TextFile::open(std::string_view name)
{
    begin_ = end_ = 0;
    carried_cr_ = source_ended_ = failed_ = false;
    return file_.open(name);
}

void TextFile::read_next_chunk()
{
    std::size_t start = 0;
    if (carried_cr_) {
        (*chunk_)[0] = '\r';
        start = 1;
        carried_cr_ = false;
    }
    long const count = file_.read(chunk_->data() + start, CHUNK_SIZE);
    if (count < 0)
        failed_ = true;
    std::size_t length = start + static_cast<std::size_t>(std::max(count, 0L));
    if (count <= 0)
        source_ended_ = true;

    if (auto const* ctrl_z = static_cast<char const*>(std::memchr(chunk_->data() + start, CTRL_Z, length - start))) {
        length = static_cast<std::size_t>(ctrl_z - chunk_->data());
        source_ended_ = true;
    }
    // A chunk never ends in a CR that may start a CR LF pair, so read_line sees every pair whole.
    if (!source_ended_ && length > 0 && (*chunk_)[length - 1] == '\r') {
        carried_cr_ = true;
        --length;
    }
    begin_ = 0;
    end_ = length;
}

bool TextFile::refill()
{
    while (begin_ == end_ && !source_ended_)
        read_next_chunk();
    return begin_ < end_;
}

std::string_view TextFile::read_line(char* scratch, std::size_t max_bytes)
{
    // The chunk holds raw bytes; a CR LF pair is turned into LF here, as the line is split off,
    // which costs one scan for the LF instead of a pass over every chunk. A line that lies whole
    // in the chunk is handed out where it lies; only one that runs on into the next chunk is
    // gathered in `scratch`.
    std::size_t count = 0;
    while (count < max_bytes && !failed_ && (begin_ < end_ || refill())) {
        char* const from = chunk_->data() + begin_;
        std::size_t const available = end_ - begin_;
        std::size_t const room = max_bytes - count;
        // One raw byte more than there is room for: a CR LF pair is two raw bytes and one byte
        // of the line.
        auto* const lf = static_cast<char*>(std::memchr(from, '\n', std::min(available, room + 1)));
        std::size_t raw = 0;
        std::size_t delivered = 0;
        if (lf != nullptr) {
            raw = static_cast<std::size_t>(lf - from) + 1;
            bool const pair = lf != from && lf[-1] == '\r';
            delivered = pair ? raw - 1 : raw;
            if (pair && delivered <= room)
                lf[-1] = '\n';
        }
        bool const ends_here = lf != nullptr && delivered <= room;
        if (!ends_here) {
            // No end of line fits: the line goes on past `room`, or past this chunk. Neither cut
            // can fall inside a CR LF pair, or its LF would have been found above.
            raw = delivered = std::min(available, room);
        }
        begin_ += raw;
        bool const complete = ends_here || delivered == room;
        if (count == 0 && complete)
            return { from, delivered };
        std::memcpy(scratch + count, from, delivered);
        count += delivered;
        if (ends_here)
            break;
    }
    return { scratch, count };
}

} // namespace mailfolder::platform
