#pragma once

#include "platform/failure_reason.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace mailfolder {

/// The report's way out: texts are gathered in a fixed buffer and written in large blocks, and
/// the first failure to write is kept, so a report that could not be written is never taken
/// for a finished one.
class ReportOutput {
public:
    explicit ReportOutput(std::FILE* sink)
        : sink_(sink)
    {
    }
    ReportOutput(ReportOutput const&) = delete;
    ReportOutput& operator=(ReportOutput const&) = delete;

    /// Appends the bytes of `text` as they are, NUL and '%' included.
    void write(std::string_view text)
    {
        // Inline: a row is written in three or four small pieces, and most fit at once.
        if (text.size() <= buffer_.size() - used_) {
            std::memcpy(buffer_.data() + used_, text.data(), text.size());
            used_ += text.size();
        } else {
            write_in_parts(text);
        }
    }
    /// Appends `value` in decimal digits.
    void write_decimal(std::size_t value);
    /// Appends `text` left-justified in a field of `width` bytes; a longer text is written whole.
    void write_padded(std::string_view text, std::size_t width);
    /// Writes out everything gathered and flushes the sink; false when any write failed.
    bool finish();

    bool failed() const { return failed_; }
    platform::FailureReason const& failure() const { return failure_; }

private:
    void write_in_parts(std::string_view text);
    void drain();

    std::FILE* sink_;
    std::array<char, std::size_t { 64 } * 1024> buffer_ {};
    std::size_t used_ = 0;
    bool failed_ = false;
    platform::FailureReason failure_;
};

} // namespace mailfolder
