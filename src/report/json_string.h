#pragma once

#include "report/report_output.h"

#include <string_view>

namespace mailfolder {

/// Writes `bytes` as a JSON string, quotes included. Each byte is read as windows-1252, as the
/// WHATWG Encoding Standard maps it (0x81, 0x8D, 0x8F, 0x90 and 0x9D to U+0081 and so on), so
/// every byte is one code point and a reader can get the bytes back. Control characters, C0
/// and C1 alike, DEL, '"' and '\' are escaped; everything else is UTF-8.
void write_json_string(ReportOutput& out, std::string_view bytes);

} // namespace mailfolder
