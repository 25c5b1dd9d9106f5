#include "platform/text_file.h"
#include "reference_report.h"
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
    for (std::string_view got; !(got = file.read_line(line.data(), max_bytes)).empty();)
        lines.emplace_back(got);
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
        { "empty file", "", 98, {} },
        { "LF lines", "ab\ncd\n", 98, { "ab\n", "cd\n" } },
        { "CR LF becomes LF", "ab\r\ncd\r\n", 98, { "ab\n", "cd\n" } },
        { "lone CR stays", "a\rb\r\n", 98, { "a\rb\n" } },
        { "CR CR LF keeps the first CR", "a\r\r\n", 98, { "a\r\n" } },
        { "CR at the end of the file stays", "ab\r", 98, { "ab\r" } },
        { "last line without LF", "ab\ncd", 98, { "ab\n", "cd" } },
        { "Ctrl-Z ends the data",
            "ab\ncd\x1a"
            "ef\n",
            98, { "ab\n", "cd" } },
        { "Ctrl-Z first gives nothing",
            "\x1a"
            "ab\n",
            98, {} },
        { "CR before Ctrl-Z stays", "ab\r\x1a\n", 98, { "ab\r" } },
        { "NUL is an ordinary byte", "a\0b\n\0\n"s, 98, { "a\0b\n"s, "\0\n"s } },
        { "97 bytes and CR LF are one record", std::string(97, 'x') + "\r\n", 98, { std::string(97, 'x') + "\n" } },
        { "98 bytes and CR LF are two records", std::string(98, 'x') + "\r\n", 98, { std::string(98, 'x'), "\n" } },
        { "120 bytes are split at 98", std::string(120, 'x') + "\n", 98,
            { std::string(98, 'x'), std::string(22, 'x') + "\n" } },
        { "CR LF split across two chunks", chunk_minus_one + "\r\nb\n", TextFile::CHUNK_SIZE,
            { chunk_minus_one + "\n", "b\n" } },
        { "CR ending a chunk before another byte", chunk_minus_one + "\rb\n", TextFile::CHUNK_SIZE + 2,
            { chunk_minus_one + "\rb\n" } },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(lines_of(test.bytes, test.max_bytes), test.lines);
    }
}

TEST(TextFile, SplitsLinesAcrossChunksAsThePlainReadingDoes)
{
    // Lines of every length up to past the record limit, ending in LF, CR LF or nothing, with
    // lone CRs inside, over several chunks: every chunk boundary falls somewhere new.
    std::string bytes;
    unsigned state = 7;
    for (std::size_t line = 0; bytes.size() < 3 * TextFile::CHUNK_SIZE + 1000; ++line) {
        state = state * 1103515245U + 12345U;
        std::size_t const length = (state >> 8) % 130;
        for (std::size_t i = 0; i < length; ++i)
            bytes += (i * 7 + line) % 41 == 0 ? '\r' : static_cast<char>('a' + (i + line) % 26);
        bytes += (state >> 20) % 3 == 0 ? "\n" : (state >> 20) % 3 == 1 ? "\r\n" : "\r";
    }
    for (std::size_t const max_bytes : { std::size_t { 98 }, std::size_t { 159 } }) {
        SCOPED_TRACE(max_bytes);
        std::vector<std::string> const expected =
            testing::reference_lines(testing::reference_text_mode(bytes), max_bytes);
        std::vector<std::string> const got = lines_of(bytes, max_bytes);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            ASSERT_EQ(got[i], expected[i]) << "line " << i;
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
    EXPECT_EQ(file.read_line(line, sizeof line), "lower\n");

    ScratchDirectory::write("HIERARCH.QX", "exact\n");
    ASSERT_TRUE(file.open("HIERARCH.QX"));
    EXPECT_EQ(file.read_line(line, sizeof line), "exact\n");
}

// Every pass reopens the file: the spelling found by one pass is tried first by the next, but it
// is never trusted once it is gone.
TEST(TextFile, ReopensANameInOtherLetterCaseUnderWhateverSpellingItHasNow)
{
    ScratchDirectory scratch;
    ScratchDirectory::write("hierarch.qx", "lower\n");
    char line[16];
    TextFile file;
    ASSERT_TRUE(file.open("HIERARCH.QX"));
    file.close();

    std::filesystem::rename("hierarch.qx", "Hierarch.Qx");
    ASSERT_TRUE(file.open("HIERARCH.QX"));
    EXPECT_EQ(file.read_line(line, sizeof line), "lower\n");
    file.close();

    std::filesystem::remove("Hierarch.Qx");
    EXPECT_FALSE(file.open("HIERARCH.QX"));
    EXPECT_STREQ(file.failure().c_str(), "No such file or directory");
}

} // namespace
} // namespace mailfolder::platform
