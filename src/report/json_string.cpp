#include "report/json_string.h"

#include <array>
#include <cstdint>

namespace mailfolder {

namespace {

// What each byte becomes inside a JSON string.
struct Encoded {
    std::array<char, 6> text {};
    std::uint8_t length = 0;
};

// Windows-1252's bytes 0x80 to 0x9F; the five it leaves undefined map to the C1 control of the
// same number, as the WHATWG table has it. Every other byte is the code point of its value.
constexpr std::array<char16_t, 32> HIGH_CONTROLS { u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026',
    u'\u2020', u'\u2021', u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014', u'\u02DC', u'\u2122',
    u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178' };

constexpr Encoded escaped(char32_t code_point)
{
    constexpr std::string_view hex = "0123456789abcdef";
    return { { '\\', 'u', '0', '0', hex[(code_point >> 4) & 0xF], hex[code_point & 0xF] }, 6 };
}

constexpr Encoded encode(unsigned char byte)
{
    switch (byte) {
    case '"':
        return { { '\\', '"' }, 2 };
    case '\\':
        return { { '\\', '\\' }, 2 };
    case '\n':
        return { { '\\', 'n' }, 2 };
    case '\r':
        return { { '\\', 'r' }, 2 };
    case '\t':
        return { { '\\', 't' }, 2 };
    default:
        break;
    }
    char32_t const code_point = byte >= 0x80 && byte <= 0x9F ? HIGH_CONTROLS[byte - 0x80] : byte;
    // Control characters are escaped even where JSON would take them raw: a terminal or a log
    // viewer showing the output must not be steered by a record's bytes.
    if (code_point < 0x20 || (code_point >= 0x7F && code_point <= 0x9F))
        return escaped(code_point);
    if (code_point < 0x80)
        return { { static_cast<char>(code_point) }, 1 };
    if (code_point < 0x800)
        return { { static_cast<char>(0xC0 | (code_point >> 6)), static_cast<char>(0x80 | (code_point & 0x3F)) }, 2 };
    return { { static_cast<char>(0xE0 | (code_point >> 12)), static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (code_point & 0x3F)) },
        3 };
}

constexpr std::array<Encoded, 256> encode_every_byte()
{
    std::array<Encoded, 256> table {};
    for (std::size_t value = 0; value != table.size(); ++value)
        table[value] = encode(static_cast<unsigned char>(value));
    return table;
}

constexpr std::array<Encoded, 256> ENCODED = encode_every_byte();

constexpr bool as_is(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
}

} // namespace

void write_json_string(ReportOutput& out, std::string_view bytes)
{
    out.write("\"");
    std::size_t start = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        auto const byte = static_cast<unsigned char>(bytes[at]);
        if (as_is(byte))
            continue;
        // Runs of plain ASCII, nearly all of a record, go out in one piece.
        out.write(bytes.substr(start, at - start));
        Encoded const& encoded = ENCODED[byte];
        out.write({ encoded.text.data(), encoded.length });
        start = at + 1;
    }
    out.write(bytes.substr(start));
    out.write("\"");
}

} // namespace mailfolder
