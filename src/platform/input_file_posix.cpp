#include "platform/directory_index_posix.h"
#include "platform/input_file.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mailfolder::platform {

namespace {

// Returns the descriptor, or -1 with the reason in `failure` and `missing` telling whether
// nothing of that name exists.
int open_regular_file(char const* path, FailureReason& failure, bool& missing)
{
    missing = false;
    // O_NONBLOCK so that opening a FIFO with no writer returns at once; it is refused just below.
    int const fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        missing = errno == ENOENT;
        failure.assign(std::strerror(errno));
        return -1;
    }
    struct stat status { };
    if (::fstat(fd, &status) != 0) {
        failure.assign(std::strerror(errno));
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        failure.assign(S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file");
        ::close(fd);
        return -1;
    }
    return fd;
}

// A name exists when stat finds it: a link that leads nowhere names nothing.
bool exists(DirectoryIndex::Entry const& entry)
{
    if (entry.type != DT_LNK && entry.type != DT_UNKNOWN)
        return true;
    struct stat status { };
    return ::stat(std::string(entry.name).c_str(), &status) == 0;
}

// A store copied from Windows may hold the file under any letter case. When several names
// that exist match, the smallest in byte order is taken so that the choice does not depend on
// the order the directory lists them in.
std::string find_name_ignoring_case(std::string_view name)
{
    std::string_view found;
    DirectoryIndex const current_directory("");
    current_directory.any_ignoring_case(name, [&](DirectoryIndex::Entry const& entry) {
        if ((found.empty() || entry.name < found) && exists(entry))
            found = entry.name;
        return false;
    });
    return std::string(found);
}

} // namespace

InputFile::~InputFile()
{
    close();
}

bool InputFile::open(std::string_view name)
{
    close();
    std::string const exact(name);
    bool missing = false;
    char const* opened = exact.c_str();
    int fd = open_regular_file(opened, failure_, missing);
    if (missing && exact == missing_name_ && !found_name_.empty()) {
        opened = found_name_.c_str();
        fd = open_regular_file(opened, failure_, missing);
    }
    if (missing) {
        missing_name_ = exact;
        found_name_ = find_name_ignoring_case(name);
        if (!found_name_.empty()) {
            opened = found_name_.c_str();
            fd = open_regular_file(opened, failure_, missing);
        }
    }
    handle_ = fd;
    if (fd >= 0)
        opened_name_ = opened;
    return fd >= 0;
}

long InputFile::read(char* into, std::size_t size)
{
    for (;;) {
        ssize_t const count = ::read(static_cast<int>(handle_), into, size);
        if (count >= 0)
            return static_cast<long>(count);
        if (errno != EINTR) {
            failure_.assign(std::strerror(errno));
            return -1;
        }
    }
}

void InputFile::close()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
    handle_ = -1;
}

bool InputFile::is_open() const
{
    return handle_ >= 0;
}

std::string InputFile::name_on_disk() const
{
    return opened_name_;
}

} // namespace mailfolder::platform
