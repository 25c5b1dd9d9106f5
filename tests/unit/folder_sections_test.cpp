#include "printed.h"
#include "report/folder_sections.h"
#include "report/judged_record.h"
#include "scratch_directory.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace mailfolder {
namespace {

using namespace std::string_literals;
using testing::printed;
using testing::ScratchDirectory;

TEST(ToUpperInPlace, RaisesOnlyAsciiLetters)
{
    std::string text = "abc-XYZ_09.z\xe9\xff\0q"s;
    to_upper_in_place(text);
    EXPECT_EQ(text, "ABC-XYZ_09.Z\xe9\xff\0Q"s);
}

TEST(MessageFileName, IsTheUpperCasedBaseAndTheSuffix)
{
    std::string const pad = "0" + std::string(16, '-');
    struct {
        std::string record;
        std::string name;
    } const cases[] = {
        { pad + ":abc\"x\n", "ABC.QXM" },
        { pad + ":Mix3d_Case-9!\"\n", "MIX3D_CASE-9!.QXM" },
        { pad + ":\"\n", ".QXM" },
        { "0 short\n", ".QXM" },
        { pad + ":sixteen_letters_\"\n", "SIXTEEN_LETTERS_.QXM" },
        { pad + ":sub\\lower\"\n", "SUB\\LOWER.QXM" },
        { pad + ":" + std::string(80, 'a'), std::string(80, 'A') + ".QXM" },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.record);
        FileNameBuffer buffer {};
        EXPECT_EQ(message_file_name(test.record, buffer), test.name);
    }
}

TEST(PrintFolderRow, LinesUpRecordTextsAfterAnEighteenByteColumn)
{
    ScratchDirectory scratch;
    ScratchDirectory::write("ABC.QXM", "");
    std::string const pad = "0" + std::string(16, '-');
    struct {
        std::string record;
        std::string row;
    } const cases[] = {
        { pad + ":abc\"\n", "ABC.QXM         Y " + pad + ":abc\"\n" },
        { pad + ":abd\"\n", "ABD.QXM         N " + pad + ":abd\"\n" },
        { "1,T1,\"Inbox\"\n", "Mailbox/Tray      1,T1,\"Inbox\"\n" },
        { "\n", "Mailbox/Tray      \n" },
        { "0 no colon", ".QXM            N 0 no colon" },
        // A longer name is never cut: it pushes the text to the right.
        { pad + ":sixteen_letters_\"\n", "SIXTEEN_LETTERS_.QXM N " + pad + ":sixteen_letters_\"\n" },
        { pad + ":%s%n\"%d\n", "%S%N.QXM        N " + pad + ":%s%n\"%d\n" },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.record);
        platform::FileProbe probe;
        FileNameBuffer buffer {};
        MainFolderId const id;
        JudgedRecord record;
        ASSERT_TRUE(judge_record(record, test.record, 1, RecordSelection::every_record(), id, buffer, probe));
        EXPECT_EQ(printed([&](ReportOutput& out) { print_folder_row(record, out); }), test.row);
    }
}

TEST(ReportOutput, KeepsEveryByteAcrossItsBuffer)
{
    std::string const big(200'000, 'x');
    std::string const with_nul = "a\0b%s\n"s;
    EXPECT_EQ(printed([&](ReportOutput& out) {
        out.write(big);
        out.write(with_nul);
        out.write_padded("ab", 5);
        out.write_padded("abcdef", 5);
        out.write_padded("", 20);
    }),
        big + with_nul + "ab   abcdef" + std::string(20, ' '));
}

} // namespace
} // namespace mailfolder
