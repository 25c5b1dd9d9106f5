#include "platform/ascii.h"
#include "platform/file_probe.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <windows.h>

namespace mailfolder::platform {

namespace {

std::string folded(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), ascii_lower);
    return lower;
}

} // namespace

// Windows matches letter case and takes '\' and '/' as separators itself; what is kept is only
// the plain names asked about, folded to lower case, for unused_regular_files.
struct FileProbe::State {
    std::unordered_set<std::string> used;
};

FileProbe::FileProbe()
    : state_(std::make_unique<State>())
{
}
FileProbe::~FileProbe() = default;

bool FileProbe::readable_regular_file(std::string_view name)
{
    if (name.empty() || name.find('\0') != std::string_view::npos)
        return false;
    if (name.find_first_of("/\\") == std::string_view::npos)
        state_->used.insert(folded(name));
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

bool FileProbe::unused_regular_files(std::string_view suffix, std::vector<std::string>& names, FailureReason& failure)
{
    WIN32_FIND_DATAA found {};
    HANDLE const listing = ::FindFirstFileA("*", &found);
    if (listing == INVALID_HANDLE_VALUE) {
        // An empty directory still lists "." and "..", so this is a real failure.
        failure.assign(::GetLastError() == ERROR_ACCESS_DENIED ? "Permission denied" : "cannot list the directory");
        return false;
    }
    do {
        std::string_view const name(found.cFileName);
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ||
            !ends_with_ignoring_ascii_case(name, suffix) || state_->used.contains(folded(name)))
            continue;
        names.emplace_back(name);
    } while (::FindNextFileA(listing, &found) != 0);
    bool const complete = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(listing);
    if (!complete)
        failure.assign("cannot list the directory");
    return complete;
}

} // namespace mailfolder::platform
