#include "platform/input_file.h"

#include <string>
#include <windows.h>

namespace mailfolder::platform {

namespace {

HANDLE as_handle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// The same words as the C library's messages on other systems, so a diagnostic reads alike
// on every platform; anything unusual gets the system's own text.
void describe(DWORD error, FailureReason& failure)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        failure.assign("No such file or directory");
        return;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        failure.assign("Permission denied");
        return;
    default:
        break;
    }
    char text[128] = {};
    DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
        --length;
    if (length == 0) {
        failure.assign("system error");
        return;
    }
    failure.assign(std::string_view(text, length));
}

} // namespace

InputFile::~InputFile()
{
    close();
}

bool InputFile::open(std::string_view name)
{
    close();
    std::string const path(name);
    DWORD const attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        failure_.assign("Is a directory");
        return false;
    }
    HANDLE const file =
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        describe(::GetLastError(), failure_);
        return false;
    }
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        failure_.assign("not a regular file");
        ::CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    opened_name_ = path;
    return true;
}

long InputFile::read(char* into, std::size_t size)
{
    DWORD count = 0;
    if (::ReadFile(as_handle(handle_), into, static_cast<DWORD>(size), &count, nullptr) == 0) {
        describe(::GetLastError(), failure_);
        return -1;
    }
    return static_cast<long>(count);
}

void InputFile::close()
{
    if (is_open())
        ::CloseHandle(as_handle(handle_));
    handle_ = -1;
}

bool InputFile::is_open() const
{
    return handle_ != -1;
}

std::string InputFile::name_on_disk() const
{
    // The name was matched whatever its letter case; the directory tells how it is spelt.
    WIN32_FIND_DATAA found {};
    HANDLE const listing = ::FindFirstFileA(opened_name_.c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE)
        return opened_name_;
    ::FindClose(listing);
    return found.cFileName;
}

} // namespace mailfolder::platform
