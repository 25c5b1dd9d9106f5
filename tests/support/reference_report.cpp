#include "reference_report.h"

namespace mailfolder::testing {

std::string reference_text_mode(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            text += bytes[i];
    }
    return text;
}

std::vector<std::string> reference_lines(std::string_view text, std::size_t max_bytes)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::string_view const window = text.substr(at, max_bytes);
        std::size_t const lf = window.find('\n');
        std::size_t const length = lf == std::string_view::npos ? window.size() : lf + 1;
        lines.emplace_back(window.substr(0, length));
        at += length;
    }
    return lines;
}

std::string reference_main_folder_id(std::string_view bytes)
{
    std::vector<std::string> const first = reference_lines(reference_text_mode(bytes), 159);
    if (first.empty())
        return "";
    std::string const& line = first.front();
    std::string const rest = line.size() > 4 ? line.substr(4) : "";
    std::size_t const comma = rest.find(',');
    std::string const id = comma != std::string::npos ? rest.substr(0, comma)
        : !rest.empty() && rest.back() == '\n'        ? rest.substr(0, rest.size() - 1)
                                                      : rest;
    return id.substr(0, 49);
}

std::string reference_message_file_name(std::string const& record)
{
    std::string base;
    std::size_t const colon = record.size() > 17 ? record.find(':', 17) : std::string::npos;
    if (colon != std::string::npos) {
        base = record.substr(colon + 1);
        std::size_t const quote = base.find('"');
        if (quote != std::string::npos)
            base.resize(quote);
        else if (!base.empty() && base.back() == '\n')
            base.pop_back();
    }
    std::string name;
    for (char const c : base)
        name += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    return name + ".QXM";
}

std::string reference_report(std::string_view bytes, std::function<bool(std::string const&)> const& present)
{
    std::string const text = reference_text_mode(bytes);
    std::string const id = reference_main_folder_id(bytes);
    std::vector<std::string> const records = reference_lines(text, 98);
    std::string report = "Mail Folder\n" + id + "\n\nTrays\n";
    for (std::string const& record : records) {
        if (record[0] == '1')
            report += record;
    }
    for (bool const inside : { false, true }) {
        report += inside ? "\nFolders in Trays in Main Folder\n" : "\nFolders in Trays (Not Main Folder)\n";
        for (std::string const& record : records) {
            if ((record.find(id) != std::string::npos) != inside)
                continue;
            if (record[0] != '0') {
                report += "Mailbox/Tray      " + record;
                continue;
            }
            std::string const name = reference_message_file_name(record);
            std::string column = name;
            if (column.size() < 15)
                column.append(15 - column.size(), ' ');
            report += column + " " + (present(name) ? "Y " : "N ") + record;
        }
    }
    return report;
}

} // namespace mailfolder::testing
