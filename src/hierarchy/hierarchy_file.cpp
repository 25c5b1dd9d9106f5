#include "hierarchy/hierarchy_file.h"

namespace mailfolder {

bool open_hierarchy_file(HierarchyStream& stream)
{
    return stream.open(HIERARCHY_FILE_NAME);
}

bool read_main_folder_id(HierarchyStream& stream, MainFolderId& id, LineBuffer& line, platform::FailureReason& reason)
{
    if (!open_hierarchy_file(stream)) {
        reason = stream.failure();
        return false;
    }
    std::string_view const first_line = stream.read_line(line.data(), FIRST_LINE_SIZE - 1);
    bool const read = !stream.failed();
    if (read)
        id.assign_from_first_line(first_line);
    else
        reason = stream.failure();
    stream.close();
    return read;
}

std::optional<std::string_view> read_record(HierarchyStream& stream, LineBuffer& line)
{
    std::string_view const record = stream.read_line(line.data(), RECORD_SIZE - 1);
    if (record.empty())
        return std::nullopt;
    return record;
}

std::string_view folder_file_base(std::string_view record)
{
    if (record.size() <= FOLDER_NAME_SEARCH_START)
        return {};
    std::size_t const colon = record.find(':', FOLDER_NAME_SEARCH_START);
    if (colon == std::string_view::npos)
        return {};
    std::string_view base = record.substr(colon + 1);
    std::size_t const quote = base.find('"');
    if (quote != std::string_view::npos)
        return base.substr(0, quote);
    if (!base.empty() && base.back() == '\n')
        base.remove_suffix(1);
    return base;
}

} // namespace mailfolder
