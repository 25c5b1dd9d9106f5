#include "hierarchy/hierarchy_file.h"

#include <gtest/gtest.h>
#include <string>

namespace mailfolder {
namespace {

using namespace std::string_literals;

TEST(RecordKind, IsToldByTheFirstByteAlone)
{
    struct {
        std::string record;
        RecordKind kind;
    } const cases[] = {
        { "1,T0001,\"Inbox\"\n", RecordKind::tray },
        { "0,F0001,T0001,\"Letters\",FILE:lett01\"\n", RecordKind::folder },
        { "0", RecordKind::folder },
        { "\n", RecordKind::other },
        { " 1 indented\n", RecordKind::other },
        { "\0"
          "1\n"s,
            RecordKind::other },
        { "x", RecordKind::other },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.record);
        EXPECT_EQ(record_kind(test.record), test.kind);
    }
}

TEST(MainFolderId, IsTakenFromTheFirstLine)
{
    std::string const long_id(60, 'L');
    struct {
        char const* name;
        std::string first_line;
        std::string id;
        bool comma_missing;
        bool truncated;
    } const cases[] = {
        { "ends at the first comma", "HDR MF0001,\"Main\",x\n", "MF0001", false, false },
        { "first four bytes skipped, commas among them too", ",,,,MF0001,\n", "MF0001", false, false },
        { "comma at index 4 gives an empty ID", "HDR ,MF0001\n", "", false, false },
        { "comma at index 20 of a long line", "HDR " + std::string(16, 'i') + "," + std::string(129, 'r') + "\n",
            std::string(16, 'i'), false, false },
        { "no comma: the rest of the line less its LF", "HDR MF0001\n", "MF0001", true, false },
        { "no comma, no LF", "HDR MF0001", "MF0001", true, false },
        { "no comma in a line of four bytes", "HDR\n", "", true, false },
        { "no comma in a line shorter than four bytes", "AB\n", "", true, false },
        { "empty file: empty ID, nothing wrong", "", "", false, false },
        { "ID of 49 bytes fits", "HDR " + long_id.substr(0, 49) + ",\n", long_id.substr(0, 49), false, false },
        { "ID of 50 bytes is cut to 49", "HDR " + long_id.substr(0, 50) + ",\n", long_id.substr(0, 49), false, true },
        { "no comma and too long", "HDR " + long_id + "\n", long_id.substr(0, 49), true, true },
        { "NUL is part of the ID", "HDR a\0b,\n"s, "a\0b"s, false, false },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        MainFolderId id;
        id.assign_from_first_line(test.first_line);
        EXPECT_EQ(id.text(), test.id);
        EXPECT_EQ(id.comma_missing(), test.comma_missing);
        EXPECT_EQ(id.truncated(), test.truncated);
    }
}

TEST(InMainFolder, FindsTheIdAnywhereByteForByte)
{
    struct {
        char const* id_line;
        std::string record;
        bool inside;
    } const cases[] = {
        { "HDR MF01,", "0,F1,MF01,x\n", true },
        { "HDR MF01,", "MF01", true },
        { "HDR MF01,", "0,F1,MF0,x\n", false },
        { "HDR MF01,", "0,F1,mf01,x\n", false }, // letter case counts
        { "HDR MF01,", "0,F1,MFMF0MF01\n", true }, // after near misses
        { "HDR MF01,", "MF0", false }, // shorter than the ID
        { "HDR ab,", "xxab", true }, // at the very end
        { "HDR ,", "anything\n", true }, // an empty ID is everywhere
        { "HDR abcabd,", "abcabcabd", true },
        { "HDR abcabd,", "abcabcab", false },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.record);
        MainFolderId id;
        id.assign_from_first_line(test.id_line);
        EXPECT_EQ(in_main_folder(test.record, id), test.inside);
    }
}

TEST(InMainFolder, AgreesWithAPlainSearchAtEveryLengthAndPlace)
{
    // The search weighs many start positions at once; every record length up to a record's
    // limit, every place of the ID, and near misses that share its first and last bytes must
    // give what a plain search gives.
    for (std::string const& id : { "M"s, "MF"s, "MF01"s, "MF004711"s, std::string(49, 'q') }) {
        MainFolderId main_folder_id;
        main_folder_id.assign_from_first_line("HDR " + id + ",");
        std::string near_miss = id;
        if (near_miss.size() > 2)
            near_miss[near_miss.size() / 2] = '#';
        for (std::size_t length = 0; length <= RECORD_SIZE - 1; ++length) {
            for (std::size_t place = 0; place <= length; ++place) {
                std::string record(length, 'x');
                record.replace(place, std::min(near_miss.size(), length - place), near_miss, 0, length - place);
                std::string with_id = record;
                with_id.replace(place, std::min(id.size(), length - place), id, 0, length - place);
                for (std::string const& text : { record, with_id }) {
                    ASSERT_EQ(in_main_folder(text, main_folder_id), text.find(id) != std::string::npos)
                        << "ID " << id << " in " << text;
                }
            }
        }
    }
}

TEST(FolderFileBase, IsTheTextAfterTheColonUpToTheQuote)
{
    std::string const pad(17, '0'); // a ':' at index 17 is the first one considered
    struct {
        char const* name;
        std::string record;
        std::string base;
    } const cases[] = {
        { "colon at index 17", pad + ":abc\"rest\n", "abc" },
        { "colon before 17 ignored", "0,x:" + std::string(13, 'y') + ":abc\"\n", "abc" },
        { "colon at 10 and 30: the later one", "0" + std::string(9, 'a') + ":" + std::string(19, 'b') + ":base\"\n",
            "base" },
        { "colon only before 17: empty", "0,x:abc\"" + std::string(20, 'y') + "\n", "" },
        { "quote right after colon: empty", pad + ":\"x\n", "" },
        { "later colons are part of the base", pad + ":a:b\"\n", "a:b" },
        { "no quote: to the end less LF", pad + ":abc\n", "abc" },
        { "no quote, no LF", pad + ":abc", "abc" },
        { "record of 17 bytes has no base", pad, "" },
        { "record ending at the colon", pad + ":", "" },
        { "separators and NUL are kept", pad + ":sub\\a/b\0c\"\n"s, "sub\\a/b\0c"s },
    };
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(folder_file_base(test.record), test.base);
    }
}

} // namespace
} // namespace mailfolder
