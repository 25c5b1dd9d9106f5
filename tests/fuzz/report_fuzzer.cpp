// Feeds arbitrary bytes as HIERARCH.QX through the whole report, in a small fixed store, and
// holds the report to the reference model byte for byte. That one comparison covers every
// promise of the report's shape: it starts with "Mail Folder\n", its four headings come in
// order, every tray record is in the trays section, every record is in exactly one folder
// section, and nothing beyond a record's own text (the stale tail of the line buffer) shows.
// The sanitizers watch for reads outside the buffers and for undefined behaviour.
#include "platform/file_probe.h"
#include "reference_report.h"
#include "report/report.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void write_file(char const* name, std::string_view bytes)
{
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The store every input runs in: message files in several letter cases, and names that are
// not message files (a directory, a FIFO, links).
struct FixedStore {
    FixedStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "mailfolder-fuzz-XXXXXX").string();
        std::filesystem::current_path(::mkdtemp(pattern.data()));
        write_file("ABC.QXM", "x");
        write_file("abd.qxm", "x");
        write_file("Mixed.Qxm", "x");
        write_file(".qxm", "x");
        std::filesystem::create_directories("Sub/Deeper");
        write_file("Sub/x.qxm", "x");
        write_file("Sub/Deeper/y.QXM", "x");
        std::filesystem::create_directory("DIR.QXM");
        ::mkfifo("FIFO.QXM", 0644);
        std::filesystem::create_symlink("ABC.QXM", "LINK.QXM");
        std::filesystem::create_symlink("nowhere", "DANGLING.QXM");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static FixedStore const store;
    static std::FILE* const quiet = std::fopen("/dev/null", "w");
    std::string_view const bytes(reinterpret_cast<char const*>(data), size);
    write_file("HIERARCH.QX", bytes);

    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = ::open_memstream(&buffer, &length);
    int const status = mailfolder::run_report(out, quiet);
    std::fclose(out);
    std::string const got(buffer, length);
    std::free(buffer);

    mailfolder::platform::FileProbe probe;
    std::string const expected = mailfolder::testing::reference_report(
        bytes, [&](std::string const& name) { return probe.readable_regular_file(name); });
    if (status != mailfolder::EXIT_STATUS_SUCCESS || got != expected) {
        std::fprintf(stderr, "status %d; report of %zu bytes where the reference has %zu\n", status, got.size(),
            expected.size());
        std::size_t at = 0;
        while (at < got.size() && at < expected.size() && got[at] == expected[at])
            ++at;
        std::fprintf(stderr, "first difference at byte %zu\n", at);
        std::abort();
    }
    return 0;
}
