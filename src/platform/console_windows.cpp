#include "platform/console.h"

#include <cstdlib>
#include <io.h>

namespace mailfolder::platform {

void clear_console(std::FILE* out)
{
    // "cls" writes a form feed into a redirected output, which would spoil a saved report.
    if (::_isatty(::_fileno(out)) == 0)
        return;
    std::fflush(out);
    static_cast<void>(std::system("cls"));
}

} // namespace mailfolder::platform
