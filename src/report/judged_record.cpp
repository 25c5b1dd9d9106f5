#include "report/judged_record.h"

namespace mailfolder {

std::optional<JudgedRecord> judge_record(std::string_view text, std::size_t index, RecordSelection const& selection,
    MainFolderId const& id, FileNameBuffer& file_name, platform::FileProbe& probe)
{
    JudgedRecord record;
    record.index = index;
    record.text = text;
    record.kind = record_kind(text);
    if (selection.kind && *selection.kind != record.kind)
        return std::nullopt;
    record.in_main_folder = in_main_folder(text, id);
    if (selection.side && (*selection.side == MainFolderSide::inside) != record.in_main_folder)
        return std::nullopt;
    if (record.kind == RecordKind::folder) {
        record.message_file = message_file_name(text, file_name);
        record.present = message_file_present(record.message_file, probe);
    }
    return record;
}

} // namespace mailfolder
