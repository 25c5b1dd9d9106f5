#include "platform/directory_index_posix.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace mailfolder::platform {

DirectoryIndex::DirectoryIndex(std::string const& path)
{
    DIR* directory = ::opendir(path.empty() ? "." : path.c_str());
    if (directory == nullptr) {
        failure_.assign(std::strerror(errno));
        return;
    }
    listed_ = true;
    for (;;) {
        errno = 0;
        dirent const* entry = ::readdir(directory);
        if (entry == nullptr)
            break;
        std::string_view const name(entry->d_name);
        entries_.push_back({ static_cast<std::uint32_t>(names_.size()), static_cast<std::uint16_t>(name.size()),
            entry->d_type, false });
        names_.append(name);
    }
    // A listing cut short is no listing: names missing from it would pass for absent.
    if (errno != 0) {
        failure_.assign(std::strerror(errno));
        listed_ = false;
        names_.clear();
        entries_.clear();
    }
    ::closedir(directory);

    // At most half full, so a miss ends after a probe or two.
    slots_.assign(std::bit_ceil(entries_.size() * 2 + 1), EMPTY);
    std::size_t const mask = slots_.size() - 1;
    for (std::uint32_t index = 0; index < entries_.size(); ++index) {
        std::size_t slot = folded_hash(entry_at(index).name) & mask;
        while (slots_[slot] != EMPTY)
            slot = (slot + 1) & mask;
        slots_[slot] = index;
    }
}

std::optional<DirectoryIndex::Entry> DirectoryIndex::find_exact(std::string_view name) const
{
    std::optional<Entry> found;
    any_ignoring_case(name, [&](Entry const& entry) {
        if (entry.name != name)
            return false;
        found = entry;
        return true;
    });
    return found;
}

std::optional<DirectoryIndex::Entry> DirectoryIndex::find_exact_marking_used(std::string_view name)
{
    std::optional<Entry> found;
    if (slots_.empty())
        return found;
    std::size_t const mask = slots_.size() - 1;
    for (std::size_t slot = folded_hash(name) & mask; slots_[slot] != EMPTY; slot = (slot + 1) & mask) {
        Entry const entry = entry_at(slots_[slot]);
        if (!equal_ignoring_ascii_case(entry.name, name))
            continue;
        entries_[slots_[slot]].used = true;
        if (entry.name == name)
            found = entry;
    }
    return found;
}

std::size_t DirectoryIndex::folded_hash(std::string_view name)
{
    // FNV-1a over the lower-cased bytes: names that differ only in case share a chain.
    std::uint64_t hash = 14695981039346656037ULL;
    for (char const c : name) {
        hash ^= static_cast<unsigned char>(ascii_lower(c));
        hash *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

DirectoryIndex::Entry DirectoryIndex::entry_at(std::uint32_t index) const
{
    Stored const& stored = entries_[index];
    return { std::string_view(names_).substr(stored.offset, stored.length), stored.type };
}

} // namespace mailfolder::platform
