#include "report/report.h"

#include "platform/console.h"
#include "platform/working_directory.h"
#include "report/audit.h"
#include "report/command_line.h"
#include "report/json_lines.h"

#include <algorithm>
#include <string>
#include <vector>

namespace mailfolder {

namespace {

constexpr char const* PROGRAM_NAME = "mailfolder";

int fail(std::FILE* err, std::string_view subject, platform::FailureReason const& reason)
{
    // Standard error is the last resort: if it cannot be written, nothing can tell.
    static_cast<void>(std::fprintf(
        err, "%s: %.*s: %s\n", PROGRAM_NAME, static_cast<int>(subject.size()), subject.data(), reason.c_str()));
    return EXIT_STATUS_FAILURE;
}

void warn_about_main_folder_id(std::FILE* err, MainFolderId const& id)
{
    if (!id.comma_missing() && !id.truncated())
        return;
    static_cast<void>(std::fprintf(err, "%s: %.*s: warning: %s\n", PROGRAM_NAME,
        static_cast<int>(HIERARCHY_FILE_NAME.size()), HIERARCHY_FILE_NAME.data(),
        !id.comma_missing()  ? "main folder ID longer than 49 bytes; its first 49 are used"
            : id.truncated() ? "no ',' ends the main folder ID on the first line; its first 49 bytes are used"
                             : "no ',' ends the main folder ID on the first line; the rest of the line is used"));
}

// Everything after the console clearing; a failure to read the hierarchy file ends the run at
// once, with what was printed so far kept.
int write_report(Run& run, std::FILE* err)
{
    ReportOutput& out = run.output;
    out.write("Mail Folder\n");
    bool read = read_main_folder_id(run);
    if (read) {
        warn_about_main_folder_id(err, run.main_folder_id);
        out.write(run.main_folder_id.text());
        out.write("\n");
        out.write("\nTrays\n");
        read = print_trays(run) && print_folder_section(run, MainFolderSide::outside) &&
            print_folder_section(run, MainFolderSide::inside);
    }
    bool const written = out.finish();
    if (!read)
        return fail(err, HIERARCHY_FILE_NAME, run.hierarchy_failure);
    if (!written)
        return fail(err, "standard output", out.failure());
    return EXIT_STATUS_SUCCESS;
}

// The JSON Lines and the audit: one pass over the records, then the orphans the probe's listing
// of the store holds. Nothing is written when the hierarchy file cannot be opened at all.
int write_store(Run& run, StoreRenderer& renderer, std::string_view directory, bool check, std::FILE* err)
{
    if (!read_main_folder_id(run))
        return fail(err, HIERARCHY_FILE_NAME, run.hierarchy_failure);
    warn_about_main_folder_id(err, run.main_folder_id);
    renderer.store(run.hierarchy.name_on_disk(), run.main_folder_id.text());

    StoreTotals totals;
    bool const read = for_each_judged_record(run, RecordSelection::every_record(), [&](JudgedRecord const& record) {
        totals.count(record);
        renderer.record(record);
    });
    std::vector<std::string> orphans;
    platform::FailureReason listing_failure;
    bool const listed = read && run.probe.unused_regular_files(MESSAGE_FILE_SUFFIX, orphans, listing_failure);
    if (listed) {
        std::sort(orphans.begin(), orphans.end());
        for (std::string const& name : orphans)
            renderer.orphan(name);
        totals.orphans = orphans.size();
        renderer.summary(totals);
    }

    bool const written = run.output.finish();
    if (!read)
        return fail(err, HIERARCHY_FILE_NAME, run.hierarchy_failure);
    if (!listed)
        return fail(err, directory, listing_failure);
    if (!written)
        return fail(err, "standard output", run.output.failure());
    return check && totals.incomplete() ? EXIT_STATUS_INCOMPLETE : EXIT_STATUS_SUCCESS;
}

int print_text(std::FILE* out, std::FILE* err, std::string_view text)
{
    ReportOutput output(out);
    output.write(text);
    if (!output.finish())
        return fail(err, "standard output", output.failure());
    return EXIT_STATUS_SUCCESS;
}

} // namespace

int run_command_line(std::span<char const* const> arguments, std::FILE* out, std::FILE* err)
{
    CommandLine const command = parse_command_line(arguments);
    switch (command.action) {
    case CommandLine::Action::help:
        return print_text(out, err, help_text());
    case CommandLine::Action::version:
        return print_text(out, err, version_text());
    case CommandLine::Action::usage_error:
        static_cast<void>(
            std::fprintf(err, "%s: %s\nTry '%s --help'.\n", PROGRAM_NAME, command.error.c_str(), PROGRAM_NAME));
        return EXIT_STATUS_USAGE;
    case CommandLine::Action::run:
        break;
    }
    if (command.operands > 0) {
        static_cast<void>(std::fprintf(err,
            "%s: note: arguments that are not options are ignored; -C DIR reports on the store in DIR\n",
            PROGRAM_NAME));
    }
    platform::FailureReason reason;
    for (std::string_view const directory : command.directories) {
        // Each is entered from the one before, in order: this is no search.
        // cppcheck-suppress useStlAlgorithm
        if (!platform::change_directory(directory, reason))
            return fail(err, directory, reason);
    }
    if (!command.json && !command.check)
        return run_report(out, err);

    Run run(out);
    std::string_view const directory = command.directories.empty() ? "." : command.directories.back();
    if (command.json) {
        JsonLines json(run.output, command.check);
        return write_store(run, json, directory, command.check, err);
    }
    Audit audit(run.output);
    return write_store(run, audit, directory, command.check, err);
}

int run_report(std::FILE* out, std::FILE* err)
{
    Run run(out);
    platform::clear_console(out);
    return write_report(run, err);
}

bool print_trays(Run& run)
{
    return for_each_judged_record(run, RecordSelection::of_kind(RecordKind::tray),
        [&](JudgedRecord const& record) { run.output.write(record.text); });
}

} // namespace mailfolder
