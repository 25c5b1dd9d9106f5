#include "report/command_line.h"

#include <algorithm>
#include <array>
#include <optional>

namespace mailfolder {

namespace {

enum class Option { directory, json, check, help, version };

struct OptionName {
    Option option;
    char short_name; // '\0': none
    std::string_view long_name;
    bool takes_argument;
};

constexpr std::array<OptionName, 5> OPTIONS { {
    { Option::directory, 'C', "directory", true },
    { Option::json, '\0', "json", false },
    { Option::check, '\0', "check", false },
    { Option::help, 'h', "help", false },
    { Option::version, 'V', "version", false },
} };

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

class Parser {
public:
    explicit Parser(std::span<char const* const> arguments)
        : arguments_(arguments)
    {
    }

    CommandLine parse()
    {
        bool options_ended = false;
        for (next_ = 0; next_ < arguments_.size() && result_.action == CommandLine::Action::run;) {
            std::string_view const argument = arguments_[next_++];
            if (options_ended || argument.size() < 2 || argument.front() != '-')
                ++result_.operands;
            else if (argument == "--")
                options_ended = true;
            else if (argument.starts_with("--"))
                parse_long(argument.substr(2));
            else
                parse_short(argument.substr(1));
        }
        return std::move(result_);
    }

private:
    void parse_long(std::string_view text)
    {
        std::size_t const equals = text.find('=');
        std::string_view const name = text.substr(0, equals);
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos)
            value = text.substr(equals + 1);

        std::vector<OptionName const*> matches;
        for (OptionName const& option : OPTIONS) {
            if (option.long_name == name) {
                matches = { &option };
                break;
            }
            if (!name.empty() && option.long_name.starts_with(name))
                matches.push_back(&option);
        }
        std::string const written = "--" + std::string(name);
        if (matches.empty())
            return usage_error("unrecognized option " + quoted(written));
        if (matches.size() > 1) {
            std::string possibilities;
            for (OptionName const* option : matches)
                possibilities += " " + quoted("--" + std::string(option->long_name));
            return usage_error("option " + quoted(written) + " is ambiguous; possibilities:" + possibilities);
        }
        OptionName const* const found = matches.front();
        std::string const full = "--" + std::string(found->long_name);
        if (!found->takes_argument) {
            if (value)
                return usage_error("option " + quoted(full) + " doesn't allow an argument");
            return apply(*found, {});
        }
        if (!value) {
            if (next_ == arguments_.size())
                return usage_error("option " + quoted(full) + " requires an argument");
            value = arguments_[next_++];
        }
        apply(*found, *value);
    }

    void parse_short(std::string_view letters)
    {
        for (std::size_t at = 0; at < letters.size() && result_.action == CommandLine::Action::run; ++at) {
            char const letter = letters[at];
            auto const* const found = std::find_if(OPTIONS.begin(), OPTIONS.end(),
                [&](OptionName const& option) { return option.short_name != '\0' && option.short_name == letter; });
            if (found == OPTIONS.end())
                return usage_error("invalid option -- " + quoted(std::string(1, letter)));
            if (!found->takes_argument) {
                apply(*found, {});
                continue;
            }
            // The rest of the argument is the value, or else the next argument is.
            if (at + 1 < letters.size())
                return apply(*found, letters.substr(at + 1));
            if (next_ == arguments_.size())
                return usage_error("option requires an argument -- " + quoted(std::string(1, letter)));
            return apply(*found, arguments_[next_++]);
        }
    }

    void apply(OptionName const& option, std::string_view value)
    {
        switch (option.option) {
        case Option::directory:
            result_.directories.push_back(value);
            break;
        case Option::json:
            result_.json = true;
            break;
        case Option::check:
            result_.check = true;
            break;
        case Option::help:
            result_.action = CommandLine::Action::help;
            break;
        case Option::version:
            result_.action = CommandLine::Action::version;
            break;
        }
    }

    void usage_error(std::string message)
    {
        result_.action = CommandLine::Action::usage_error;
        result_.error = std::move(message);
    }

    std::span<char const* const> arguments_;
    std::size_t next_ = 0;
    CommandLine result_;
};

} // namespace

CommandLine parse_command_line(std::span<char const* const> arguments)
{
    return Parser(arguments).parse();
}

std::string_view help_text()
{
    return "Usage: mailfolder [OPTION]...\n"
           "Report on the mail store in the current directory: read its hierarchy file,\n"
           "HIERARCH.QX, check for every folder record whether its message file is there,\n"
           "and print the main folder ID, the trays, and every record outside and inside\n"
           "the main folder.\n"
           "\n"
           "  -C, --directory=DIR  work on the store in DIR, as if run there\n"
           "      --json           write JSON Lines instead: the store, every record, every\n"
           "                         orphan, a summary (strings: bytes read as windows-1252)\n"
           "      --check          audit instead: each folder whose message file is missing,\n"
           "                         each orphan, and a line that sums up\n"
           "  -h, --help           print this help and exit\n"
           "  -V, --version        print the version and exit\n"
           "\n"
           "An orphan is a regular file in the store's directory named *.QXM, in any letter\n"
           "case, that no folder record names. Arguments that are not options are ignored.\n"
           "\n"
           "Exit status: 0 done; 1 the hierarchy file, a directory or the output failed;\n"
           "2 wrong usage; 3 with --check, a message file is missing or an orphan found.\n"
           "\n"
           "Full documentation: man mailfolder\n";
}

std::string_view version_text()
{
    return "mailfolder " MAILFOLDER_VERSION "\n";
}

} // namespace mailfolder
