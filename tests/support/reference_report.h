#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mailfolder::testing {

// The report computed the plain way, with whole-string operations and nothing clever: no
// chunks, no lines handed out in place, no fast search. Tests hold the tool to it byte for byte.

/// The bytes of a file as text mode delivers them: cut at the first Ctrl-Z, CR LF made LF.
std::string reference_text_mode(std::string_view bytes);

/// The text split into lines of at most `max_bytes` bytes, each ending after its LF if it fits.
std::vector<std::string> reference_lines(std::string_view text, std::size_t max_bytes);

/// The main folder ID of a hierarchy file holding `bytes`.
std::string reference_main_folder_id(std::string_view bytes);

/// The message file name of a folder record.
std::string reference_message_file_name(std::string const& record);

/// The whole report on a hierarchy file holding `bytes`; `present` answers for message files.
std::string reference_report(std::string_view bytes, std::function<bool(std::string const&)> const& present);

} // namespace mailfolder::testing
