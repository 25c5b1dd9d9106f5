#include "platform/console.h"

#include <unistd.h>

namespace mailfolder::platform {

void clear_console(std::FILE* out)
{
    if (::isatty(::fileno(out)) == 0)
        return;
    // Home the cursor, clear the screen, then its scrollback, as a console's own clearing does.
    // A failure here is the report's failure too: the report's own writes will meet it.
    static_cast<void>(std::fputs("\x1b[H\x1b[2J\x1b[3J", out));
    static_cast<void>(std::fflush(out));
}

} // namespace mailfolder::platform
