#include "platform/file_probe.h"
#include "scratch_directory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace mailfolder::platform {
namespace {

using namespace std::string_literals;
using testing::ScratchDirectory;

TEST(FileProbe, FindsReadableRegularFilesWhateverTheirLetterCase)
{
    ScratchDirectory scratch;
    ScratchDirectory::write("UPPER.QXM", "x");
    ScratchDirectory::write("lower.qxm", "x");
    ScratchDirectory::write("MiXeD.qXm", "x");
    ScratchDirectory::write("SIXTEEN_LETTERS_.QXM", "x");
    ScratchDirectory::write(".qxm", "x");
    ScratchDirectory::write("Sub/Deeper/file.qxm", "x");
    std::filesystem::create_directory("FOLDER.QXM");
    std::filesystem::create_directory("both.qxm");
    ScratchDirectory::write("BOTH.QXM/inside", "x");
    ScratchDirectory::write("both.qxm.file", "x");
    ASSERT_EQ(::mkfifo("FIFO.QXM", 0644), 0);
    std::filesystem::create_symlink("UPPER.QXM", "LINK.QXM");
    std::filesystem::create_symlink("nowhere", "DANGLING.QXM");
    std::filesystem::create_directory_symlink("Sub", "LINKED");
    std::filesystem::create_symlink("nowhere", "GHOST.QXM");
    ScratchDirectory::write("ghost.qxm", "x");
    ScratchDirectory::write("FILE", "x");
    std::string const absolute = (std::filesystem::current_path() / "upper.qxm").string();

    struct {
        std::string name;
        bool present;
    } const cases[] = {
        { "UPPER.QXM", true },
        { "LOWER.QXM", true },
        { "MIXED.QXM", true },
        { "SIXTEEN_LETTERS_.QXM", true },
        { ".QXM", true },
        { "ABSENT.QXM", false },
        { "FOLDER.QXM", false }, // a directory is no message file
        { "FIFO.QXM", false }, // and a FIFO neither; asking must not block
        { "LINK.QXM", true }, // a link counts as what it leads to
        { "DANGLING.QXM", false },
        { "GHOST.QXM", true }, // the exact name leads nowhere, another spelling is there
        { "SUB/DEEPER/FILE.QXM", true },
        { "SUB\\DEEPER\\FILE.QXM", true }, // '\' separates directories as on Windows
        { "LINKED\\deeper\\FILE.QXM", true },
        { "SUB\\DEEPER\\", false },
        { "FILE/X.QXM", false }, // a file is no directory
        { "BOTH.QXM", false }, // the exact name decides alone, and it is a directory
        { "UPPER.QXM\0.TXT"s, false }, // a NUL cannot be in a file name
        { absolute, true },
        { "", false },
    };
    FileProbe probe;
    for (auto const& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(probe.readable_regular_file(test.name), test.present);
    }
}

TEST(FileProbe, AsksTheFileSystemAboutNamesItsListingHolds)
{
    // Directories are listed once a run; the listing only says which names to check, and the
    // check itself is made when the row is printed.
    ScratchDirectory scratch;
    ScratchDirectory::write("first.qxm", "x");
    FileProbe probe;
    EXPECT_TRUE(probe.readable_regular_file("FIRST.QXM"));
    std::filesystem::remove("first.qxm");
    EXPECT_FALSE(probe.readable_regular_file("FIRST.QXM"));
}

TEST(FileProbe, ListsTheRegularFilesNoPlainNameAskedAbout)
{
    ScratchDirectory scratch;
    for (char const* name : { "ASKED.QXM", "asked2.qxm", "Stray.Qxm", "other.QXM", "note.txt", "QXM", "x.qxm.bak",
             "Sub/below.qxm", "Sub/below2.qxm" })
        ScratchDirectory::write(name, "x");
    std::filesystem::create_directory("DIR.QXM");
    std::filesystem::create_symlink("note.txt", "LINK.QXM");
    std::filesystem::create_symlink("nowhere", "DANGLING.QXM");
    ASSERT_EQ(::mkfifo("FIFO.QXM", 0644), 0);

    FileProbe probe;
    // Asked whatever the answer, in any letter case; a name with a directory claims nothing here.
    for (char const* name : { "ASKED.QXM", "ASKED2.QXM", "ABSENT.QXM", "SUB/BELOW.QXM", "./OTHER.QXM" })
        probe.readable_regular_file(name);
    std::vector<std::string> names;
    FailureReason failure;
    ASSERT_TRUE(probe.unused_regular_files(".QXM", names, failure));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> { "LINK.QXM", "Stray.Qxm", "other.QXM" }));
}

} // namespace
} // namespace mailfolder::platform
