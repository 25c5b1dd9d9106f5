#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mailfolder::platform {

/// Why an operation on a file failed, as one short line of text ("No such file or directory").
/// A fixed buffer so that reporting a failure never allocates.
class FailureReason {
public:
    FailureReason() = default;

    /// Replaces the text; anything past the buffer is cut.
    void assign(std::string_view text);
    const char* c_str() const { return text_.data(); }
    bool empty() const { return text_[0] == '\0'; }

private:
    std::array<char, 128> text_ {};
};

} // namespace mailfolder::platform
