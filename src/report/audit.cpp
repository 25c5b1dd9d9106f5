#include "report/audit.h"

#include <array>

namespace mailfolder {

namespace {

void write_count(ReportOutput& out, std::size_t count, std::string_view noun)
{
    out.write_decimal(count);
    out.write(" ");
    out.write(noun);
    if (count != 1)
        out.write("s");
}

} // namespace

void Audit::store(std::string_view /*hierarchy_file*/, std::string_view /*main_folder_id*/)
{
}

void Audit::record(JudgedRecord const& record)
{
    if (!record.message_file_missing())
        return;
    out_.write("missing: record ");
    out_.write_decimal(record.index);
    out_.write(": ");
    write_visible(out_, record.message_file);
    out_.write("\n");
}

void Audit::orphan(std::string_view name)
{
    out_.write("orphan: ");
    write_visible(out_, name);
    out_.write("\n");
}

void Audit::summary(StoreTotals const& totals)
{
    write_count(out_, totals.records, "record");
    out_.write(", ");
    write_count(out_, totals.folders, "folder");
    out_.write(": ");
    out_.write_decimal(totals.present);
    out_.write(" present, ");
    out_.write_decimal(totals.missing());
    out_.write(" missing; ");
    write_count(out_, totals.orphans, "orphan");
    out_.write("\n");
}

void write_visible(ReportOutput& out, std::string_view name)
{
    constexpr std::string_view hex = "0123456789abcdef";
    for (char const c : name) {
        auto const byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 4> const escaped { '\\', 'x', hex[byte >> 4], hex[byte & 0xF] };
            out.write({ escaped.data(), escaped.size() });
        } else {
            out.write({ &c, 1 });
        }
    }
}

} // namespace mailfolder
