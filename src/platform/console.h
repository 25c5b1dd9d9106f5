#pragma once

#include <cstdio>

namespace mailfolder::platform {

/// Clears the console window when `out` is one, so the report starts on a clean screen; when
/// `out` is redirected to a file or a pipe it writes nothing, so a saved report holds the report
/// alone.
void clear_console(std::FILE* out);

} // namespace mailfolder::platform
