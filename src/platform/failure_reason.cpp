#include "platform/failure_reason.h"

#include <algorithm>
#include <cstring>

namespace mailfolder::platform {

void FailureReason::assign(std::string_view text)
{
    std::size_t const length = std::min(text.size(), text_.size() - 1);
    std::memcpy(text_.data(), text.data(), length);
    text_[length] = '\0';
}

} // namespace mailfolder::platform
