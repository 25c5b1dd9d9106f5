#include "platform/console.h"

#include <unistd.h>

namespace mailfolder::platform {

void clear_console(std::FILE* out)
{
    if (::isatty(::fileno(out)) == 0)
        return;
    // Home the cursor, clear the screen, then its scrollback, as a console's own clearing does.
    std::fputs("\x1b[H\x1b[2J\x1b[3J", out);
    std::fflush(out);
}

} // namespace mailfolder::platform
