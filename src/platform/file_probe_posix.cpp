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

bool is_regular_file(std::string const& path, unsigned char type)
{
    if (type != DT_LNK && type != DT_UNKNOWN)
        return type == DT_REG;
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// An access check in place of an open: it answers the same for a regular file, and it cannot
// block or have a side effect whatever the file is.
bool is_readable_regular_file(std::string const& path, unsigned char type)
{
    return is_regular_file(path, type) && ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0;
}

} // namespace

struct FileProbe::State {
    std::map<std::string, DirectoryIndex> directories;
    // Nearly every name lies in the current directory: its index is kept at hand, and the list
    // of a name's components is reused, so a plain name costs no allocation beyond its path.
    DirectoryIndex* current_directory = nullptr;
    Components components;

    DirectoryIndex& index_of(std::string const& directory)
    {
        if (directory.empty() && current_directory != nullptr)
            return *current_directory;
        auto found = directories.find(directory);
        if (found == directories.end())
            found = directories.emplace(directory, DirectoryIndex(directory)).first;
        if (directory.empty())
            current_directory = &found->second;
        return found->second;
    }

    // The exact path, when it exists: its type as listed, or DT_UNKNOWN where a directory could
    // not be listed and only the file system can tell.
    // A plain name marks the entries it names in the current directory as used on the way.
    std::optional<unsigned char> exact_type(std::string const& start, std::string& path, bool plain)
    {
        path = start;
        unsigned char type = DT_DIR;
        for (std::size_t i = 0; i < components.size(); ++i) {
            if (i > 0 && !is_directory(path, type))
                return std::nullopt;
            DirectoryIndex& index = index_of(path);
            std::string const next = join(path, components[i]);
            if (index.listed()) {
                auto const entry =
                    plain ? index.find_exact_marking_used(components[i]) : index.find_exact(components[i]);
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

    bool any_spelling_readable(std::string const& directory, std::size_t at)
    {
        DirectoryIndex const& index = index_of(directory);
        bool const last = at + 1 == components.size();
        return index.any_ignoring_case(components[at], [&](DirectoryIndex::Entry const& entry) {
            std::string const path = join(directory, entry.name);
            if (last)
                return is_readable_regular_file(path, entry.type);
            return is_directory(path, entry.type) && any_spelling_readable(path, at + 1);
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

    // '\' separates directories on Windows, so it does here too.
    std::string const start = name.front() == '/' || name.front() == '\\' ? "/" : "";
    Components& components = state_->components;
    components.clear();
    std::size_t from = 0;
    while (from <= name.size()) {
        std::size_t const to = std::min(name.find_first_of("/\\", from), name.size());
        if (to > from)
            components.push_back(name.substr(from, to - from));
        from = to + 1;
    }
    if (components.empty())
        return false;

    bool const plain = components.size() == 1 && components.front().size() == name.size();
    std::string path;
    if (auto const type = state_->exact_type(start, path, plain))
        return is_readable_regular_file(path, *type);
    return state_->any_spelling_readable(start, 0);
}

bool FileProbe::unused_regular_files(std::string_view suffix, std::vector<std::string>& names, FailureReason& failure)
{
    DirectoryIndex const& index = state_->index_of("");
    if (!index.listed()) {
        failure = index.failure();
        return false;
    }
    index.for_each_unused([&](DirectoryIndex::Entry const& entry) {
        if (!ends_with_ignoring_ascii_case(entry.name, suffix))
            return;
        std::string path(entry.name);
        if (is_regular_file(path, entry.type))
            names.push_back(std::move(path));
    });
    return true;
}

} // namespace mailfolder::platform
