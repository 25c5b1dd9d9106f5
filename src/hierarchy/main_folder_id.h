#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    /// every text. (Defined below, inline: every record of two passes is searched, and inlined
    /// into its pass the search keeps its set-up out of the loop.)
    bool occurs_in(std::string_view text) const;

private:
    std::array<char, MAIN_FOLDER_ID_SIZE> field_ {};
    std::size_t length_ = 0;
    bool comma_missing_ = false;
    bool truncated_ = false;
    // Horspool's shift for each byte value.
    std::array<unsigned char, 256> shift_ {};
};

inline bool MainFolderId::occurs_in(std::string_view text) const
{
    if (length_ == 0)
        return true;
    if (text.size() < length_)
        return false;
    std::size_t const starts = text.size() - length_ + 1;
    std::size_t at = 0;
#if defined(__SSE2__)
    // Every record of two passes is searched, and most hold near misses of the ID, so 16 start
    // positions are weighed at once by the ID's first and last bytes; only where both match are
    // the bytes between compared.
    __m128i const first = _mm_set1_epi8(field_[0]);
    __m128i const last = _mm_set1_epi8(field_[length_ - 1]);
    auto const candidates_at = [&](std::size_t block) {
        __m128i const at_first = _mm_loadu_si128(reinterpret_cast<__m128i const*>(text.data() + block));
        __m128i const at_last = _mm_loadu_si128(reinterpret_cast<__m128i const*>(text.data() + block + length_ - 1));
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(at_first, first), _mm_cmpeq_epi8(at_last, last))));
    };
    auto const found_among = [&](std::size_t block, unsigned candidates) {
        for (; candidates != 0; candidates &= candidates - 1) {
            std::size_t const start = block + static_cast<std::size_t>(std::countr_zero(candidates));
            if (std::memcmp(text.data() + start, field_.data(), length_) == 0)
                return true;
        }
        return false;
    };
    if (starts >= 16) {
        for (; at + 16 <= starts; at += 16) {
            if (found_among(at, candidates_at(at)))
                return true;
        }
        // The last starts: one block that ends where the text does, less those already weighed.
        if (at < starts) {
            std::size_t const block = starts - 16;
            return found_among(block, candidates_at(block) & (0xFFFFU << (at - block)));
        }
        return false;
    }
#endif
    // Horspool, for texts too short for a block (and for every text without SSE2).
    char const last_byte = field_[length_ - 1];
    while (at < starts) {
        char const candidate = text[at + length_ - 1];
        if (candidate == last_byte && std::memcmp(text.data() + at, field_.data(), length_ - 1) == 0)
            return true;
        at += shift_[static_cast<unsigned char>(candidate)];
    }
    return false;
}

} // namespace mailfolder
