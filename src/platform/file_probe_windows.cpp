#include "platform/file_probe.h"

#include <string>
#include <windows.h>

namespace mailfolder::platform {

// Windows matches letter case and takes '\' and '/' as separators itself, so nothing is kept.
struct FileProbe::State { };

FileProbe::FileProbe() = default;
FileProbe::~FileProbe() = default;

bool FileProbe::readable_regular_file(std::string_view name)
{
    if (name.empty() || name.find('\0') != std::string_view::npos)
        return false;
    std::string const path(name);
    DWORD const attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    // Share everything: the probe must not get in the way of anyone else using the file.
    HANDLE const file = ::CreateFileA(path.c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // A device or a pipe that happens to carry the name is no message file.
    bool const on_disk = ::GetFileType(file) == FILE_TYPE_DISK;
    ::CloseHandle(file);
    return on_disk;
}

} // namespace mailfolder::platform
