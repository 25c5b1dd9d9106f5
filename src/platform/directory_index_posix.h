#pragma once

#include "platform/ascii.h"
#include "platform/failure_reason.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mailfolder::platform {

/// The names in one directory, read once, found by name whatever their ASCII letter case.
/// Compact on purpose: a store directory may hold hundreds of thousands of message files, and
/// the index is all the memory that grows with it.
class DirectoryIndex {
public:
    /// One name in the directory and its type as listed (a dirent d_type: DT_REG, DT_LNK, ...).
    struct Entry {
        std::string_view name;
        unsigned char type;
    };

    /// Lists `path` ("" for the current directory). A directory that cannot be listed gives an
    /// index that knows no names and says so through listed().
    explicit DirectoryIndex(std::string const& path);

    bool listed() const { return listed_; }
    /// Why the directory could not be listed.
    FailureReason const& failure() const { return failure_; }

    /// The entry named exactly `name`, if listed.
    std::optional<Entry> find_exact(std::string_view name) const;
    /// The entry named exactly `name`, if listed; on the same walk, marks as used every entry
    /// whose name equals `name` but for ASCII letter case.
    std::optional<Entry> find_exact_marking_used(std::string_view name);

    /// Calls `visit` for each entry whose name equals `name` but for ASCII letter case, until
    /// `visit` returns true; returns whether it did.
    template <typename Visit> bool any_ignoring_case(std::string_view name, Visit visit) const
    {
        if (slots_.empty())
            return false;
        std::size_t const mask = slots_.size() - 1;
        for (std::size_t slot = folded_hash(name) & mask; slots_[slot] != EMPTY; slot = (slot + 1) & mask) {
            Entry const entry = entry_at(slots_[slot]);
            if (equal_ignoring_ascii_case(entry.name, name) && visit(entry))
                return true;
        }
        return false;
    }

    /// Calls `visit` with each entry that no find_exact_marking_used() marked, in the order listed.
    template <typename Visit> void for_each_unused(Visit visit) const
    {
        for (std::uint32_t index = 0; index < entries_.size(); ++index) {
            if (!entries_[index].used)
                visit(entry_at(index));
        }
    }

private:
    struct Stored {
        std::uint32_t offset;
        std::uint16_t length;
        unsigned char type;
        bool used; // in what would be padding: the mark costs no memory
    };
    static constexpr std::uint32_t EMPTY = UINT32_MAX;

    static std::size_t folded_hash(std::string_view name);
    Entry entry_at(std::uint32_t index) const;

    bool listed_ = false;
    FailureReason failure_;
    std::string names_; // every name, one after another
    std::vector<Stored> entries_;
    std::vector<std::uint32_t> slots_; // open addressing on the case-folded name
};

} // namespace mailfolder::platform
