#include "report/json_lines.h"

#include "report/json_string.h"

#include <array>
#include <utility>

namespace mailfolder {

namespace {

constexpr std::string_view kind_name(RecordKind kind)
{
    switch (kind) {
    case RecordKind::tray:
        return "tray";
    case RecordKind::folder:
        return "folder";
    case RecordKind::other:
        break;
    }
    return "other";
}

constexpr std::string_view boolean(bool value)
{
    return value ? "true" : "false";
}

} // namespace

void JsonLines::store(std::string_view hierarchy_file, std::string_view main_folder_id)
{
    out_.write(R"({"type":"store","hierarchy_file":)");
    write_json_string(out_, hierarchy_file);
    out_.write(R"(,"main_folder_id":)");
    write_json_string(out_, main_folder_id);
    out_.write("}\n");
}

void JsonLines::record(JudgedRecord const& record)
{
    if (problems_only_ && !record.message_file_missing())
        return;
    bool const folder = record.kind == RecordKind::folder;
    out_.write(R"({"type":"record","index":)");
    out_.write_decimal(record.index);
    out_.write(R"(,"kind":")");
    out_.write(kind_name(record.kind));
    out_.write(R"(","in_main_folder":)");
    out_.write(boolean(record.in_main_folder));
    out_.write(R"(,"text":)");
    write_json_string(out_, record.text);
    if (folder) {
        out_.write(R"(,"message_file":)");
        write_json_string(out_, record.message_file);
        out_.write(R"(,"present":)");
        out_.write(boolean(record.present));
    }
    out_.write("}\n");
}

void JsonLines::orphan(std::string_view name)
{
    out_.write(R"({"type":"orphan","name":)");
    write_json_string(out_, name);
    out_.write("}\n");
}

void JsonLines::summary(StoreTotals const& totals)
{
    std::array<std::pair<std::string_view, std::size_t>, 6> const fields { {
        { R"({"type":"summary","records":)", totals.records },
        { R"(,"trays":)", totals.trays },
        { R"(,"folders":)", totals.folders },
        { R"(,"present":)", totals.present },
        { R"(,"missing":)", totals.missing() },
        { R"(,"orphans":)", totals.orphans },
    } };
    for (auto const& [key, value] : fields) {
        out_.write(key);
        out_.write_decimal(value);
    }
    out_.write("}\n");
}

} // namespace mailfolder
