#include "hierarchy/main_folder_id.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mailfolder {

void MainFolderId::assign_from_first_line(std::string_view first_line)
{
    std::string_view id = first_line.substr(std::min(MAIN_FOLDER_ID_OFFSET, first_line.size()));
    std::size_t const comma = id.find(',');
    comma_missing_ = comma == std::string_view::npos && !first_line.empty();
    if (comma_missing_) {
        if (!id.empty() && id.back() == '\n')
            id.remove_suffix(1);
    } else {
        id = id.substr(0, comma);
    }
    truncated_ = id.size() > field_.size() - 1;
    length_ = std::min(id.size(), field_.size() - 1);
    field_.fill('\0');
    std::memcpy(field_.data(), id.data(), length_);

    shift_.fill(static_cast<unsigned char>(length_));
    for (std::size_t i = 0; i + 1 < length_; ++i)
        shift_[static_cast<unsigned char>(field_[i])] = static_cast<unsigned char>(length_ - 1 - i);
}

bool MainFolderId::occurs_in(std::string_view text) const
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
