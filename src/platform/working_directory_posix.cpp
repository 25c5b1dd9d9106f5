#include "platform/working_directory.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace mailfolder::platform {

bool change_directory(std::string_view path, FailureReason& failure)
{
    // An empty name fails here (ENOENT) rather than meaning the current directory: a script whose
    // variable came out empty must not audit whatever directory it happened to run in.
    if (::chdir(std::string(path).c_str()) != 0) {
        failure.assign(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace mailfolder::platform
