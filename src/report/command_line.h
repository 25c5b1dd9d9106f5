#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mailfolder {

/// What the command line asks for.
struct CommandLine {
    enum class Action {
        run, // the report, the JSON Lines or the audit
        help,
        version,
        usage_error,
    };
    Action action = Action::run;
    bool json = false;
    bool check = false;
    /// Every -C DIR in order: each is entered from the one before, as git and make do.
    std::vector<std::string_view> directories;
    /// Arguments that are not options; they change nothing.
    std::size_t operands = 0;
    /// For a usage error: the line that names the fault, without the program's name.
    std::string error;
};

/// Parses the arguments after the program's name the GNU way: short options alone or bundled,
/// long options or any unambiguous start of one, "--name=value" and "-C value" or "-Cvalue",
/// options and operands in any order, "--" ending the options. Read from the left, the first
/// --help, --version or usage error decides the action.
CommandLine parse_command_line(std::span<char const* const> arguments);

/// What --help prints.
std::string_view help_text();

/// What --version prints: "mailfolder X.Y.Z" and a newline.
std::string_view version_text();

} // namespace mailfolder
