#include "report/report.h"

#include "platform/console.h"

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
int write_report(
    RunBuffers& buffers, HierarchyStream& hierarchy, platform::FileProbe& probe, ReportOutput& out, std::FILE* err)
{
    platform::FailureReason reason;
    out.write("Mail Folder\n");
    bool read = read_main_folder_id(hierarchy, buffers.main_folder_id, buffers.line, reason);
    if (read) {
        warn_about_main_folder_id(err, buffers.main_folder_id);
        out.write(buffers.main_folder_id.text());
        out.write("\n");
        out.write("\nTrays\n");
        read = print_trays(hierarchy, buffers.line, out, reason) &&
            print_folder_section(hierarchy, buffers.line, buffers.main_folder_id, buffers.file_name,
                MainFolderSide::outside, probe, out, reason) &&
            print_folder_section(hierarchy, buffers.line, buffers.main_folder_id, buffers.file_name,
                MainFolderSide::inside, probe, out, reason);
    }
    bool const written = out.finish();
    if (!read)
        return fail(err, HIERARCHY_FILE_NAME, reason);
    if (!written)
        return fail(err, "standard output", out.failure());
    return EXIT_STATUS_SUCCESS;
}

} // namespace

int run_report(std::FILE* out, std::FILE* err)
{
    RunBuffers buffers;
    platform::clear_console(out);
    HierarchyStream hierarchy;
    platform::FileProbe probe;
    ReportOutput output(out);
    return write_report(buffers, hierarchy, probe, output, err);
}

bool print_trays(HierarchyStream& stream, LineBuffer& line, ReportOutput& out, platform::FailureReason& reason)
{
    return for_each_record(stream, line, reason, [&](std::string_view record) {
        if (record_kind(record) == RecordKind::tray)
            out.write(record);
        return !out.failed();
    });
}

} // namespace mailfolder
