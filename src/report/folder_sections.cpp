#include "report/folder_sections.h"

#include <algorithm>

namespace mailfolder {

namespace {

constexpr std::string_view heading(MainFolderSide side)
{
    return side == MainFolderSide::outside ? "\nFolders in Trays (Not Main Folder)\n"
                                           : "\nFolders in Trays in Main Folder\n";
}

} // namespace

bool print_folder_section(HierarchyStream& stream, LineBuffer& line, MainFolderId const& id, FileNameBuffer& file_name,
    MainFolderSide side, platform::FileProbe& probe, ReportOutput& out, platform::FailureReason& reason)
{
    out.write(heading(side));
    bool const wanted = side == MainFolderSide::inside;
    return for_each_record(stream, line, reason, [&](std::string_view record) {
        if (in_main_folder(record, id) == wanted)
            print_folder_row(record, file_name, probe, out);
        return !out.failed();
    });
}

void print_folder_row(std::string_view record, FileNameBuffer& file_name, platform::FileProbe& probe, ReportOutput& out)
{
    if (record_kind(record) == RecordKind::folder) {
        std::string_view const name = message_file_name(record, file_name);
        out.write_padded(name, NAME_COLUMN_WIDTH);
        out.write(" ");
        out.write(message_file_present(name, probe) ? "Y " : "N ");
    } else {
        out.write(MAILBOX_LABEL);
    }
    out.write(record);
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
