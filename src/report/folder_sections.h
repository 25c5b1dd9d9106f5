#pragma once

#include "hierarchy/hierarchy_file.h"
#include "platform/file_probe.h"
#include "report/report_output.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace mailfolder {

inline constexpr std::size_t NAME_COLUMN_WIDTH = 15;
inline constexpr std::string_view MESSAGE_FILE_SUFFIX = ".QXM";
inline constexpr std::size_t FILE_NAME_BUFFER_SIZE = 200;
/// Stands where a folder row has its name and mark: as wide as both, so record texts line up.
inline constexpr std::string_view MAILBOX_LABEL = "Mailbox/Tray      ";

using FileNameBuffer = std::array<char, FILE_NAME_BUFFER_SIZE>;

// A base starts after index FOLDER_NAME_SEARCH_START of a record that holds at most
// RECORD_SIZE - 1 bytes, so every message file name fits.
static_assert(RECORD_SIZE - 1 - FOLDER_NAME_SEARCH_START + MESSAGE_FILE_SUFFIX.size() < FILE_NAME_BUFFER_SIZE);

/// Which records a folder section lists.
enum class MainFolderSide { outside, inside };

struct Run;
struct JudgedRecord;

/// One folder section: its heading, then one pass over the hierarchy file printing the row of
/// every record on `side` of the main folder. False when the file cannot be opened or read
/// (run.hierarchy_failure tells why); a failure to write is kept by the output, and ends the
/// pass early.
bool print_folder_section(Run& run, MainFolderSide side);

/// The row of one record: a folder record's message file name, padded to NAME_COLUMN_WIDTH,
/// a space, "Y " or "N "; any other record's MAILBOX_LABEL; then the record's text as read.
void print_folder_row(JudgedRecord const& record, ReportOutput& out);

/// Fills `file_name` with the record's folder file base, upper-cased, and MESSAGE_FILE_SUFFIX;
/// returns the name.
std::string_view message_file_name(std::string_view record, FileNameBuffer& file_name);

/// Raises 'a'..'z' to 'A'..'Z' and leaves every other byte as it is, whatever the locale.
void to_upper_in_place(std::span<char> text);

/// True when the named message file is a regular file that can be opened for reading.
bool message_file_present(std::string_view name, platform::FileProbe& probe);

} // namespace mailfolder
