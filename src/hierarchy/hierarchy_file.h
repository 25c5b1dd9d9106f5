#pragma once

#include "hierarchy/main_folder_id.h"
#include "platform/text_file.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace mailfolder {

inline constexpr std::string_view HIERARCHY_FILE_NAME = "HIERARCH.QX";
/// A record is one line read of this size: at most RECORD_SIZE - 1 bytes, the LF included
/// when it fits.
inline constexpr std::size_t RECORD_SIZE = 99;
/// The first line is read once, with a read of this size, for the main folder ID.
inline constexpr std::size_t FIRST_LINE_SIZE = 160;
inline constexpr std::size_t LINE_BUFFER_SIZE = 200;
/// In a folder record, the ':' that starts the message file base stands at this index or later.
inline constexpr std::size_t FOLDER_NAME_SEARCH_START = 17;

/// The buffer every pass reads records through; its bytes past the current record are stale and
/// never looked at.
using LineBuffer = std::array<char, LINE_BUFFER_SIZE>;
/// The hierarchy file as it is read: Windows text mode, on every platform. A run keeps one and
/// opens it anew for every pass, so that what it learnt opening the file (the spelling the file
/// was found under, where letter case matters) and its read buffer serve every pass.
using HierarchyStream = platform::TextFile;

/// What a record is, told by its first byte alone.
enum class RecordKind {
    tray, // '1'
    folder, // '0'
    other, // anything else, the LF of an empty line included
};

/// Opens HIERARCH.QX in the current directory; false, with the stream's failure() telling why,
/// when it is missing, unreadable or not a regular file.
bool open_hierarchy_file(HierarchyStream& stream);

/// Opens the file on `stream`, reads its first line into `line`, takes the main folder ID from it
/// into `id` and closes the file; false when the file cannot be opened or read (`reason` tells
/// why).
bool read_main_folder_id(HierarchyStream& stream, MainFolderId& id, LineBuffer& line, platform::FailureReason& reason);

/// Reads the next record and returns its text, LF included when it has one; empty when nothing
/// more can be read (the stream's failed() then tells an error from the end). The text is valid
/// until the next read: it lies in `line`, or in the stream's own buffer when it could be taken
/// whole from there.
std::optional<std::string_view> read_record(HierarchyStream& stream, LineBuffer& line);

/// One pass over the file: opens it on `stream`, calls `visit` with each record in file order
/// for as long as `visit` returns true, and closes it. False when the file cannot be opened or
/// read (`reason` tells why).
template <typename Visit>
bool for_each_record(HierarchyStream& stream, LineBuffer& line, platform::FailureReason& reason, Visit visit)
{
    if (!open_hierarchy_file(stream)) {
        reason = stream.failure();
        return false;
    }
    while (auto const record = read_record(stream, line)) {
        if (!visit(*record))
            break;
    }
    bool const read = !stream.failed();
    if (!read)
        reason = stream.failure();
    stream.close();
    return read;
}

/// The kind of a record, by its first byte alone. (Inline: it is asked of every record thrice.)
inline RecordKind record_kind(std::string_view record)
{
    if (record.empty())
        return RecordKind::other;
    switch (record.front()) {
    case '1':
        return RecordKind::tray;
    case '0':
        return RecordKind::folder;
    default:
        return RecordKind::other;
    }
}

/// True when the main folder ID occurs in the record's text, byte for byte.
inline bool in_main_folder(std::string_view record, MainFolderId const& id)
{
    return id.occurs_in(record);
}

/// The text after the first ':' at or after FOLDER_NAME_SEARCH_START, up to the next '"'; with
/// no such '"', up to the end of the record less its LF; with no such ':', empty.
std::string_view folder_file_base(std::string_view record);

} // namespace mailfolder
