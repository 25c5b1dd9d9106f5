#include "report/report_output.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace mailfolder {

void ReportOutput::write_in_parts(std::string_view text)
{
    while (!text.empty()) {
        if (used_ == buffer_.size())
            drain();
        std::size_t const taken = std::min(text.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, text.data(), taken);
        used_ += taken;
        text.remove_prefix(taken);
    }
}

void ReportOutput::write_decimal(std::size_t value)
{
    std::array<char, 24> digits {};
    auto const [end, error] = std::to_chars(digits.begin(), digits.end(), value);
    static_cast<void>(error); // 24 digits hold any 64-bit value
    write({ digits.data(), static_cast<std::size_t>(end - digits.data()) });
}

void ReportOutput::write_padded(std::string_view text, std::size_t width)
{
    write(text);
    for (std::size_t padding = width > text.size() ? width - text.size() : 0; padding > 0;) {
        static constexpr std::string_view spaces = "                ";
        std::size_t const taken = std::min(padding, spaces.size());
        write(spaces.substr(0, taken));
        padding -= taken;
    }
}

void ReportOutput::drain()
{
    // After a failure the rest is dropped: the run is failing anyway, and a sink that refused
    // one block would refuse the next.
    if (!failed_ && used_ > 0) {
        errno = 0;
        if (std::fwrite(buffer_.data(), 1, used_, sink_) != used_) {
            failed_ = true;
            failure_.assign(errno != 0 ? std::strerror(errno) : "write failed");
        }
    }
    used_ = 0;
}

bool ReportOutput::finish()
{
    drain();
    if (!failed_) {
        errno = 0;
        if (std::fflush(sink_) != 0 || std::ferror(sink_) != 0) {
            failed_ = true;
            failure_.assign(errno != 0 ? std::strerror(errno) : "write failed");
        }
    }
    return !failed_;
}

} // namespace mailfolder
