#pragma once

#include "hierarchy/hierarchy_file.h"
#include "platform/failure_reason.h"
#include "platform/file_probe.h"
#include "report/folder_sections.h"
#include "report/report_output.h"

#include <cstdio>

namespace mailfolder {

/// What one run owns from start to end and lends to every pass: the report's three buffers,
/// zero-filled as the run begins; the hierarchy stream, opened anew by each pass; the probe,
/// which keeps what it learns of directories for the whole run; and the way out.
struct Run {
    explicit Run(std::FILE* out)
        : output(out)
    {
    }
    Run(Run const&) = delete;
    Run& operator=(Run const&) = delete;

    MainFolderId main_folder_id;
    LineBuffer line {};
    FileNameBuffer file_name {};
    HierarchyStream hierarchy;
    platform::FileProbe probe;
    ReportOutput output;
    /// Why the hierarchy file could not be opened or read, once a pass has failed.
    platform::FailureReason hierarchy_failure;
};

/// Reads the main folder ID into the run; false when the hierarchy file cannot be opened or read.
inline bool read_main_folder_id(Run& run)
{
    return read_main_folder_id(run.hierarchy, run.main_folder_id, run.line, run.hierarchy_failure);
}

} // namespace mailfolder
