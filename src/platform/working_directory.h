#pragma once

#include "platform/failure_reason.h"

#include <string_view>

namespace mailfolder::platform {

/// Makes `path` the current directory, so that every relative name resolves from there; false
/// when it cannot be entered (`failure` tells why).
bool change_directory(std::string_view path, FailureReason& failure);

} // namespace mailfolder::platform
