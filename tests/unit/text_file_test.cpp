#include "platform/text_file.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mailfolder::platform {
namespace {

using namespace std::string_literals;
using testing::ScratchDirectory;

std::vector<std::string> lines_of(std::string const& bytes, std::size_t max_bytes)
{
    ScratchDirectory scratch;
    ScratchDirectory::write("input", bytes);
    TextFile file;
    EXPECT_TRUE(file.open("input"));
    std::vector<std::string> lines;
    std::string line(max_bytes, '\0');
    while (std::size_t const count = file.read_line(line.data(), max_bytes))
        lines.emplace_back(line.data(), count);
    EXPECT_FALSE(file.failed());
    return lines;
}

struct LinesCase {
    char const* name;
    std::string bytes;
    std::size_t max_bytes;
    std::vector<std::string> lines;
};

TEST(TextFile, DeliversLinesAsWindowsTextModeDoes)
{
    std::string const chunk_minus_one(TextFile::CHUNK_SIZE - 1, 'a');
    LinesCase const cases[] = {
        {"empty file", "", 98, {}},
        {"LF lines", "ab\ncd\n", 98, {"ab\n", "cd\n"}},
        {"CR LF becomes LF", "ab\r\ncd\r\n", 98, {"ab\n", "cd\n"}},
        {"lone CR stays", "a\rb\r\n", 98, {"a\rb\n"}},
        {"CR CR LF keeps the first CR", "a\r\r\n", 98, {"a\r\n"}},
        {"CR at the end of the file stays", "ab\r", 98, {"ab\r"}},
        {"last line without LF", "ab\ncd", 98, {"ab\n", "cd"}},
        {"Ctrl-Z ends the data", "ab\ncd\x1a" "ef\n", 98, {"ab\n", "cd"}},
        {"Ctrl-Z first gives nothing", "\x1a" "ab\n", 98, {}},
        {"CR before Ctrl-Z stays", "ab\r\x1a\n", 98, {"ab\r"}},
        {"NUL is an ordinary byte", "a\0b\n\0\n"s, 98, {"a\0b\n"s, "\0\n"s}},
        {"97 bytes and CR LF are one record", std::string(97, 'x') + "\r\n", 98, {std::string(97, 'x') + "\n"}},
        {"98 bytes and CR LF are two records", std::string(98, 'x') + "\r\n", 98, {std::string(98, 'x'), "\n"}},
        {"120 bytes are split at 98", std::string(120, 'x') + "\n", 98, {std::string(98, 'x'), std::string(22, 'x') + "\n"}},
        {"CR LF split across two chunks", chunk_minus_one + "\r\nb\n", TextFile::CHUNK_SIZE, {chunk_minus_one + "\n", "b\n"}},
        {"CR ending a chunk before another byte", chunk_minus_one + "\rb\n", TextFile::CHUNK_SIZE + 2, {chunk_minus_one + "\rb\n"}},
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(lines_of(test.bytes, test.max_bytes), test.lines);
    }
}

TEST(TextFile, RefusesWhatIsNotARegularFile)
{
    ScratchDirectory scratch;
    std::filesystem::create_directory("folder");
    TextFile file;
    EXPECT_FALSE(file.open("folder"));
    EXPECT_STREQ(file.failure().c_str(), "Is a directory");
    EXPECT_FALSE(file.open("missing"));
    EXPECT_STREQ(file.failure().c_str(), "No such file or directory");
}

TEST(TextFile, FindsANameInOtherLetterCaseOnlyWhenTheExactOneIsMissing)
{
    ScratchDirectory scratch;
    ScratchDirectory::write("hierarch.qx", "lower\n");
    char line[16];
    TextFile file;
    ASSERT_TRUE(file.open("HIERARCH.QX"));
    EXPECT_EQ(std::string(line, file.read_line(line, sizeof line)), "lower\n");

    ScratchDirectory::write("HIERARCH.QX", "exact\n");
    ASSERT_TRUE(file.open("HIERARCH.QX"));
    EXPECT_EQ(std::string(line, file.read_line(line, sizeof line)), "exact\n");
}

} // namespace
} // namespace mailfolder::platform
