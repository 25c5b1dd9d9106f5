#pragma once

#include "hierarchy/hierarchy_file.h"
#include "platform/failure_reason.h"
#include "report/folder_sections.h"
#include "report/report_output.h"

#include <cstdio>

namespace mailfolder {

/// The exit statuses of a run.
enum ExitStatus : int {
    EXIT_STATUS_SUCCESS = 0,
    EXIT_STATUS_FAILURE = 1,
};

/// The three buffers a run owns from start to end and lends to every pass; zero-filled at
/// construction, as a run begins.
struct RunBuffers {
    MainFolderId main_folder_id;
    LineBuffer line {};
    FileNameBuffer file_name {};
};

/// The whole run in the current directory: clears the console, writes the report to `out`,
/// warnings and the failure that ends a run (one line each) to `err`; returns the exit status.
int run_report(std::FILE* out, std::FILE* err);

/// The trays pass: every tray record, in file order, exactly as read. False when the file
/// cannot be opened or read (`reason` tells why); a failure to write is kept by `out`.
bool print_trays(HierarchyStream& stream, LineBuffer& line, ReportOutput& out, platform::FailureReason& reason);

} // namespace mailfolder
