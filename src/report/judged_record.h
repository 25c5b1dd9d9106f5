#pragma once

#include "hierarchy/hierarchy_file.h"
#include "platform/file_probe.h"
#include "report/folder_sections.h"
#include "report/run.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace mailfolder {

/// A record with what the rules found in it. The text report, the JSON Lines and the audit all
/// render these, so each rule is applied in one place only.
struct JudgedRecord {
    /// Counted from 1, as the reads deliver records (a long line is several).
    std::size_t index = 0;
    /// The record's text as read, its LF included when it has one.
    std::string_view text;
    RecordKind kind = RecordKind::other;
    bool in_main_folder = false;
    /// Folder records only: the message file's name and whether that file is present.
    std::string_view message_file;
    bool present = false;

    /// True for a folder record whose message file is not there: what the audit is about.
    bool message_file_missing() const { return kind == RecordKind::folder && !present; }
};

/// Which records a pass hands on; nothing is asked when it is empty. A record left out is not
/// judged any further, so its message file is not probed.
struct RecordSelection {
    std::optional<RecordKind> kind;
    std::optional<MainFolderSide> side;

    static RecordSelection every_record() { return { std::nullopt, std::nullopt }; }
    static RecordSelection of_kind(RecordKind kind) { return { kind, std::nullopt }; }
    static RecordSelection on_side(MainFolderSide side) { return { std::nullopt, side }; }
};

/// Judges the record at `index` into `record`; false, with `record` left half judged, when
/// `selection` does not take it. The message file name lies in `file_name`, valid until the
/// next record is judged.
// Always inline: every record of every pass is judged, and left to itself the compiler calls it
// instead, which costs the report a fifth more instructions.
[[gnu::always_inline]] inline bool judge_record(JudgedRecord& record, std::string_view text, std::size_t index,
    RecordSelection const& selection, MainFolderId const& id, FileNameBuffer& file_name, platform::FileProbe& probe)
{
    record.index = index;
    record.text = text;
    record.kind = record_kind(text);
    if (selection.kind && *selection.kind != record.kind)
        return false;
    record.in_main_folder = in_main_folder(text, id);
    if (selection.side && (*selection.side == MainFolderSide::inside) != record.in_main_folder)
        return false;
    bool const folder = record.kind == RecordKind::folder;
    record.message_file = folder ? message_file_name(text, file_name) : std::string_view();
    record.present = folder && message_file_present(record.message_file, probe);
    return true;
}

/// One pass over the hierarchy file that calls `visit` with every record `selection` takes,
/// judged, in file order; it ends early once the output has failed. False when the file cannot
/// be opened or read (run.hierarchy_failure tells why).
template <typename Visit> bool for_each_judged_record(Run& run, RecordSelection const& selection, Visit visit)
{
    std::size_t index = 0;
    JudgedRecord record;
    return for_each_record(run.hierarchy, run.line, run.hierarchy_failure, [&](std::string_view text) {
        ++index;
        if (judge_record(record, text, index, selection, run.main_folder_id, run.file_name, run.probe))
            visit(std::as_const(record));
        return !run.output.failed();
    });
}

} // namespace mailfolder
