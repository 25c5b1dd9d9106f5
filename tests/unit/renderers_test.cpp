#include "report/audit.h"
#include "report/json_string.h"
#include "printed.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace mailfolder {
namespace {

using namespace std::string_literals;
using testing::printed;

// The WHATWG windows-1252 table, one code point per byte, written out independently of the
// encoder: 0x80-0x9F from the standard's index, every other byte its own value.
char32_t windows_1252(unsigned char byte)
{
    static constexpr char32_t high[32] = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
        0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : byte;
}

std::u32string code_points_of_utf8(std::string const& utf8)
{
    std::u32string code_points;
    for (std::size_t at = 0; at < utf8.size();) {
        auto const lead = static_cast<unsigned char>(utf8[at]);
        std::size_t const length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code_point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t i = 1; i < length; ++i)
            code_point = (code_point << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        code_points += code_point;
        at += length;
    }
    return code_points;
}

TEST(JsonString, EveryByteComesBackThroughARealParser)
{
    std::string all_bytes;
    for (int byte = 0; byte < 256; ++byte)
        all_bytes += static_cast<char>(byte);
    std::string const texts[] = {
        all_bytes,
        "plain ASCII, as nearly every record is\n",
        "\"quoted\" and back\\slashed\r\n"s,
        "\0"s,
        "",
    };
    for (std::string const& bytes : texts) {
        SCOPED_TRACE(bytes);
        std::string const json = printed([&](ReportOutput& out) { write_json_string(out, bytes); });
        // Nothing a terminal would act on goes out raw.
        for (char const c : json)
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F);
        std::u32string const decoded = code_points_of_utf8(nlohmann::json::parse(json).get<std::string>());
        ASSERT_EQ(decoded.size(), bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            EXPECT_EQ(decoded[i], windows_1252(static_cast<unsigned char>(bytes[i]))) << "byte " << i;
    }
}

TEST(WriteVisible, EscapesControlBytesOnly)
{
    struct {
        std::string name;
        std::string shown;
    } const cases[] = {
        { "PLAIN.QXM", "PLAIN.QXM" },
        { "\x1b[2J.QXM", "\\x1b[2J.QXM" },
        { "A\0B\x7f\x1f\x20\r\n.QXM"s, "A\\x00B\\x7f\\x1f \\x0d\\x0a.QXM" },
        { "SUB\\CAF\xc9.QXM", "SUB\\CAF\xc9.QXM" }, // a backslash and bytes past ASCII stay
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(printed([&](ReportOutput& out) { write_visible(out, test.name); }), test.shown);
    }
}

} // namespace
} // namespace mailfolder
