#include "printed.h"
#include "report/audit.h"
#include "report/json_string.h"
#include "windows_1252.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace mailfolder {
namespace {

using namespace std::string_literals;
using testing::printed;

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
        EXPECT_EQ(testing::windows_1252_bytes(nlohmann::json::parse(json).get<std::string>()), bytes);
    }
}

TEST(WriteVisible, EscapesControlBytesOnly)
{
    struct {
        std::string name;
        std::string shown;
    } const cases[] = {
        { "PLAIN.QXM", "PLAIN.QXM" }, { "\x1b[2J.QXM", "\\x1b[2J.QXM" },
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
