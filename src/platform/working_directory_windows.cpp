#include "platform/working_directory.h"

#include <cerrno>
#include <cstring>
#include <direct.h>
#include <string>

namespace mailfolder::platform {

bool change_directory(std::string_view path, FailureReason& failure)
{
    std::string const terminated(path);
    errno = 0;
    if (terminated.empty() || ::_chdir(terminated.c_str()) != 0) {
        failure.assign(std::strerror(errno != 0 ? errno : ENOENT));
        return false;
    }
    return true;
}

} // namespace mailfolder::platform
