#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mailfolder {

inline constexpr std::size_t MAIN_FOLDER_ID_SIZE = 50;
/// The first four bytes of the first line are skipped, whatever they are.
inline constexpr std::size_t MAIN_FOLDER_ID_OFFSET = 4;

/// The main folder ID: at most MAIN_FOLDER_ID_SIZE - 1 bytes, taken from the first line once per
/// run, and a searcher for it built once, since every record of two passes is searched for it.
class MainFolderId {
public:
    MainFolderId() = default;
    MainFolderId(MainFolderId const&) = delete;
    MainFolderId& operator=(MainFolderId const&) = delete;

    /// Takes the ID from the first line's text: from MAIN_FOLDER_ID_OFFSET up to the first ','
    /// at or after it. Without such a ',' it runs to the end of the text, less a trailing LF.
    /// Cut to MAIN_FOLDER_ID_SIZE - 1 bytes.
    void assign_from_first_line(std::string_view first_line);

    std::string_view text() const { return { field_.data(), length_ }; }
    /// True when a first line with text held no ',' to end the ID.
    bool comma_missing() const { return comma_missing_; }
    /// True when the ID was longer than the field and only its start was kept.
    bool truncated() const { return truncated_; }

    /// True when the ID occurs in `text` as a contiguous run of bytes; an empty ID occurs in
    /// every text.
    bool occurs_in(std::string_view text) const;

private:
    std::array<char, MAIN_FOLDER_ID_SIZE> field_ {};
    std::size_t length_ = 0;
    bool comma_missing_ = false;
    bool truncated_ = false;
    // Horspool's shift for each byte value.
    std::array<unsigned char, 256> shift_ {};
};

} // namespace mailfolder
