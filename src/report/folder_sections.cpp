#include "report/folder_sections.h"

#include "report/judged_record.h"
#include "report/run.h"

#include <algorithm>

namespace mailfolder {

namespace {

constexpr std::string_view heading(MainFolderSide side)
{
    return side == MainFolderSide::outside ? "\nFolders in Trays (Not Main Folder)\n"
                                           : "\nFolders in Trays in Main Folder\n";
}

} // namespace

bool print_folder_section(Run& run, MainFolderSide side)
{
    run.output.write(heading(side));
    return for_each_judged_record(
        run, RecordSelection::on_side(side), [&](JudgedRecord const& record) { print_folder_row(record, run.output); });
}

void print_folder_row(JudgedRecord const& record, ReportOutput& out)
{
    if (record.kind == RecordKind::folder) {
        out.write_padded(record.message_file, NAME_COLUMN_WIDTH);
        out.write(" ");
        out.write(record.present ? "Y " : "N ");
    } else {
        out.write(MAILBOX_LABEL);
    }
    out.write(record.text);
}

std::string_view message_file_name(std::string_view record, FileNameBuffer& file_name)
{
    std::string_view const base = folder_file_base(record);
    // std::copy, not memcpy: an empty base may have no storage at all.
    std::copy(base.begin(), base.end(), file_name.begin());
    to_upper_in_place(std::span(file_name.data(), base.size()));
    std::copy(MESSAGE_FILE_SUFFIX.begin(), MESSAGE_FILE_SUFFIX.end(),
        file_name.begin() + static_cast<std::ptrdiff_t>(base.size()));
    std::size_t const length = base.size() + MESSAGE_FILE_SUFFIX.size();
    file_name[length] = '\0';
    return { file_name.data(), length };
}

void to_upper_in_place(std::span<char> text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

bool message_file_present(std::string_view name, platform::FileProbe& probe)
{
    return probe.readable_regular_file(name);
}

} // namespace mailfolder
