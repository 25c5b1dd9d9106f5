#include "platform/directory_index_posix.h"
#include "platform/file_probe.h"

#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Windows finds a file whatever the letter case of its name, and the hierarchy names message
// files in upper case while a copied store may hold them in any case. Asking the file system
// for every spelling would cost a system call per name and letter; instead each directory is
// listed once, and only names the listing holds are checked with a system call.

namespace mailfolder::platform {

namespace {

using Components = std::vector<std::string_view>;

std::string join(std::string const& directory, std::string_view name)
{
    std::string path = directory;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path.append(name);
    return path;
}

bool is_directory(std::string const& path, unsigned char type)
{
    if (type == DT_DIR)
        return true;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return false;
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// An access check in place of an open: it answers the same for a regular file, and it cannot
// block or have a side effect whatever the file is.
bool is_readable_regular_file(std::string const& path, unsigned char type)
{
    if (type == DT_LNK || type == DT_UNKNOWN) {
        struct stat status { };
        if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            return false;
    } else if (type != DT_REG) {
        return false;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
}

} // namespace

struct FileProbe::State {
    std::map<std::string, DirectoryIndex> directories;
    DirectoryIndex const* current_directory = nullptr;

    // Most names have no directory part: they are looked up in the current directory's index
    // alone, with no path to build, and only a listed name costs a system call.
    std::optional<bool> plain_name_readable(std::string_view name)
    {
        if (current_directory == nullptr)
            current_directory = &index_of("");
        if (!current_directory->listed())
            return std::nullopt;
        if (auto const entry = current_directory->find_exact(name)) {
            std::string const path(name);
            struct stat status { };
            // A link that leads nowhere is not found by its exact name; other spellings may be.
            bool const may_dangle = entry->type == DT_LNK || entry->type == DT_UNKNOWN;
            if (!may_dangle || ::stat(path.c_str(), &status) == 0)
                return is_readable_regular_file(path, entry->type);
        }
        return current_directory->any_ignoring_case(name, [](DirectoryIndex::Entry const& entry) {
            return is_readable_regular_file(std::string(entry.name), entry.type);
        });
    }

    DirectoryIndex const& index_of(std::string const& directory)
    {
        auto found = directories.find(directory);
        if (found == directories.end())
            found = directories.emplace(directory, DirectoryIndex(directory)).first;
        return found->second;
    }

    // The exact path, when it exists: its type as listed, or DT_UNKNOWN where a directory could
    // not be listed and only the file system can tell.
    std::optional<unsigned char> exact_type(std::string const& start, Components const& components, std::string& path)
    {
        path = start;
        unsigned char type = DT_DIR;
        for (std::size_t i = 0; i < components.size(); ++i) {
            if (i > 0 && !is_directory(path, type))
                return std::nullopt;
            DirectoryIndex const& index = index_of(path);
            std::string const next = join(path, components[i]);
            if (index.listed()) {
                auto const entry = index.find_exact(components[i]);
                if (!entry)
                    return std::nullopt;
                type = entry->type;
            } else {
                struct stat status { };
                if (::lstat(next.c_str(), &status) != 0)
                    return std::nullopt;
                type = DT_UNKNOWN;
            }
            path = next;
        }
        // A link that leads nowhere is not found by name either.
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat status { };
            if (::stat(path.c_str(), &status) != 0)
                return std::nullopt;
        }
        return type;
    }

    bool any_spelling_readable(std::string const& directory, Components const& components, std::size_t at)
    {
        DirectoryIndex const& index = index_of(directory);
        bool const last = at + 1 == components.size();
        return index.any_ignoring_case(components[at], [&](DirectoryIndex::Entry const& entry) {
            std::string const path = join(directory, entry.name);
            if (last)
                return is_readable_regular_file(path, entry.type);
            return is_directory(path, entry.type) && any_spelling_readable(path, components, at + 1);
        });
    }
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
    if (name.find_first_of("/\\") == std::string_view::npos) {
        if (auto const readable = state_->plain_name_readable(name))
            return *readable;
    }

    // '\' separates directories on Windows, so it does here too.
    std::string const start = name.front() == '/' || name.front() == '\\' ? "/" : "";
    Components components;
    std::size_t from = 0;
    while (from <= name.size()) {
        std::size_t const to = std::min(name.find_first_of("/\\", from), name.size());
        if (to > from)
            components.push_back(name.substr(from, to - from));
        from = to + 1;
    }
    if (components.empty())
        return false;

    std::string path;
    if (auto const type = state_->exact_type(start, components, path))
        return is_readable_regular_file(path, *type);
    return state_->any_spelling_readable(start, components, 0);
}

} // namespace mailfolder::platform
