#include "windows_1252.h"

#include <array>

namespace mailfolder::testing {

char32_t windows_1252_code_point(unsigned char byte)
{
    static constexpr std::array<char32_t, 32> high { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : byte;
}

std::optional<std::string> windows_1252_bytes(std::string const& utf8)
{
    std::string bytes;
    for (std::size_t at = 0; at < utf8.size();) {
        auto const lead = static_cast<unsigned char>(utf8[at]);
        std::size_t const length = lead < 0x80 ? 1
            : lead >= 0xC0 && lead < 0xE0      ? 2
            : lead >= 0xE0 && lead < 0xF0      ? 3
                                               : 0;
        if (length == 0 || at + length > utf8.size())
            return std::nullopt;
        char32_t code_point = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t i = 1; i < length; ++i)
            code_point = (code_point << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        at += length;
        int found = -1;
        for (int byte = 0; byte < 256 && found < 0; ++byte) {
            if (windows_1252_code_point(static_cast<unsigned char>(byte)) == code_point)
                found = byte;
        }
        if (found < 0)
            return std::nullopt;
        bytes += static_cast<char>(found);
    }
    return bytes;
}

} // namespace mailfolder::testing
