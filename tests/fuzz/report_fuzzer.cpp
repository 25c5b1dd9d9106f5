// Feeds arbitrary bytes as HIERARCH.QX through the whole tool, in a small fixed store, and holds
// what it prints to the reference model.
// - The text report must equal the reference byte for byte. That one comparison covers every
//   promise of the report's shape: it starts with "Mail Folder\n", its four headings come in
//   order, every tray record is in the trays section, every record is in exactly one folder
//   section, and nothing beyond a record's own text (the stale tail of the line buffer) shows.
// - Every line of --json must parse, and decoding its strings must give back the ID, each
//   record's bytes and each message file name exactly; the orphans and the sums must agree.
// The sanitizers watch for reads outside the buffers and for undefined behaviour.
#include "platform/ascii.h"
#include "platform/file_probe.h"
#include "reference_report.h"
#include "report/report.h"
#include "windows_1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void write_file(char const* name, std::string_view bytes)
{
    std::ofstream(name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The regular files named *.QXM directly in the store; each is an orphan unless a record names it.
constexpr std::array<char const*, 5> TOP_LEVEL_MESSAGE_FILES { "ABC.QXM", "abd.qxm", "Mixed.Qxm", ".qxm", "LINK.QXM" };

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

[[noreturn]] void finding(char const* what, std::size_t line = 0)
{
    std::fprintf(stderr, "%s (line %zu)\n", what, line);
    std::abort();
}

// Runs the tool with `arguments`; its status and what it wrote to standard output.
std::pair<int, std::string> run(std::span<char const* const> arguments, std::FILE* quiet)
{
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = ::open_memstream(&buffer, &length);
    int const status = mailfolder::run_command_line(arguments, out, quiet);
    std::fclose(out);
    std::string printed(buffer, length);
    std::free(buffer);
    return { status, printed };
}

std::string bytes_of(nlohmann::json const& value, std::size_t line)
{
    auto bytes = mailfolder::testing::windows_1252_bytes(value.get<std::string>());
    if (!bytes)
        finding("a JSON string that no windows-1252 bytes give", line);
    return *bytes;
}

void check_json_lines(std::string_view input, std::string const& printed)
{
    using mailfolder::testing::reference_lines;
    std::vector<std::string> const records = reference_lines(mailfolder::testing::reference_text_mode(input), 98);
    std::string const id = mailfolder::testing::reference_main_folder_id(input);
    mailfolder::platform::FileProbe probe;

    std::vector<nlohmann::json> lines;
    std::istringstream stream(printed);
    for (std::string line; std::getline(stream, line);) {
        auto parsed = nlohmann::json::parse(line, nullptr, false);
        if (parsed.is_discarded())
            finding("a line that is no JSON", lines.size() + 1);
        lines.push_back(std::move(parsed));
    }
    if (lines.size() < 2 || lines.front()["type"] != "store" || lines.back()["type"] != "summary")
        finding("no store line first or no summary line last");
    if (bytes_of(lines.front()["main_folder_id"], 1) != id)
        finding("the main folder ID does not come back", 1);

    std::size_t next_record = 0;
    std::size_t folders = 0;
    std::size_t present = 0;
    std::set<std::string> used;
    std::vector<std::string> orphans;
    for (std::size_t at = 1; at + 1 < lines.size(); ++at) {
        nlohmann::json const& line = lines[at];
        if (line["type"] == "orphan") {
            orphans.push_back(bytes_of(line["name"], at + 1));
            continue;
        }
        if (line["type"] != "record" || line["index"] != next_record + 1 || next_record >= records.size())
            finding("records out of order", at + 1);
        std::string const& record = records[next_record++];
        if (bytes_of(line["text"], at + 1) != record)
            finding("a record's text does not come back", at + 1);
        if (line["in_main_folder"] != (record.find(id) != std::string::npos))
            finding("a record on the wrong side of the main folder", at + 1);
        bool const folder = record[0] == '0';
        if (line["kind"] !=
                (folder                    ? "folder"
                        : record[0] == '1' ? "tray"
                                           : "other") ||
            line.contains("present") != folder)
            finding("a record of the wrong kind", at + 1);
        if (!folder)
            continue;
        std::string const name = mailfolder::testing::reference_message_file_name(record);
        if (bytes_of(line["message_file"], at + 1) != name || line["present"] != probe.readable_regular_file(name))
            finding("a message file named or probed wrongly", at + 1);
        ++folders;
        present += line["present"] == true ? 1 : 0;
        used.insert(name);
    }
    if (next_record != records.size())
        finding("records missing");

    std::vector<std::string> expected_orphans;
    for (std::string_view const file : TOP_LEVEL_MESSAGE_FILES) {
        if (std::none_of(used.begin(), used.end(),
                [&](std::string const& name) { return mailfolder::platform::equal_ignoring_ascii_case(name, file); }))
            expected_orphans.emplace_back(file);
    }
    std::sort(expected_orphans.begin(), expected_orphans.end());
    if (orphans != expected_orphans)
        finding("the wrong orphans");
    nlohmann::json const& summary = lines.back();
    if (summary["records"] != records.size() || summary["folders"] != folders || summary["present"] != present ||
        summary["missing"] != folders - present || summary["orphans"] != orphans.size())
        finding("sums that do not add up", lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static FixedStore const store;
    static std::FILE* const quiet = std::fopen("/dev/null", "w");
    std::string_view const bytes(reinterpret_cast<char const*>(data), size);
    write_file("HIERARCH.QX", bytes);

    auto const [status, report] = run({}, quiet);
    mailfolder::platform::FileProbe probe;
    std::string const expected = mailfolder::testing::reference_report(
        bytes, [&](std::string const& name) { return probe.readable_regular_file(name); });
    if (status != mailfolder::EXIT_STATUS_SUCCESS || report != expected) {
        std::fprintf(stderr, "status %d; report of %zu bytes where the reference has %zu\n", status, report.size(),
            expected.size());
        std::size_t at = 0;
        while (at < report.size() && at < expected.size() && report[at] == expected[at])
            ++at;
        std::fprintf(stderr, "first difference at byte %zu\n", at);
        std::abort();
    }

    static constexpr std::array<char const*, 1> json { "--json" };
    auto const [json_status, json_lines] = run(json, quiet);
    if (json_status != mailfolder::EXIT_STATUS_SUCCESS)
        finding("--json failed");
    check_json_lines(bytes, json_lines);
    return 0;
}
