#include "report/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace mailfolder {
namespace {

using Action = CommandLine::Action;

TEST(ParseCommandLine, ReadsOptionsTheGnuWay)
{
    struct {
        std::vector<char const*> arguments;
        Action action;
        bool json = false;
        bool check = false;
        std::vector<std::string_view> directories = {};
        std::size_t operands = 0;
        std::string error = {};
    } const cases[] = {
        { {}, Action::run },
        { { "--json" }, Action::run, true },
        { { "--check" }, Action::run, false, true },
        { { "--check", "--json" }, Action::run, true, true },
        { { "--json", "--check", "--json" }, Action::run, true, true },
        { { "-C", "store" }, Action::run, false, false, { "store" } },
        { { "-Cstore" }, Action::run, false, false, { "store" } },
        { { "--directory=store" }, Action::run, false, false, { "store" } },
        { { "--directory", "store" }, Action::run, false, false, { "store" } },
        { { "--directory=" }, Action::run, false, false, { "" } },
        { { "-C", "--json" }, Action::run, false, false, { "--json" } }, // an option's value is taken as it is
        { { "-C", "a", "--dir=b", "--js", "--ch" }, Action::run, true, true, { "a", "b" } }, // unambiguous starts
        { { "x", "--json", "y" }, Action::run, true, false, {}, 2 }, // operands anywhere
        { { "-", "--", "--check", "-C" }, Action::run, false, false, {}, 3 }, // "-" is an operand; "--" ends options
        { { "-h" }, Action::help },
        { { "--help", "--bogus" }, Action::help }, // read from the left: help comes first
        { { "-V" }, Action::version },
        { { "--vers" }, Action::version },
        { { "-hV" }, Action::help },
        { { "-VC" }, Action::version },
        // Usage errors.
        { { "--bogus", "--help" }, Action::usage_error, false, false, {}, 0, "unrecognized option '--bogus'" },
        { { "--bogus=1" }, Action::usage_error, false, false, {}, 0, "unrecognized option '--bogus'" },
        { { "--=x" }, Action::usage_error, false, false, {}, 0, "unrecognized option '--'" },
        { { "-x" }, Action::usage_error, false, false, {}, 0, "invalid option -- 'x'" },
        { { "-hx" }, Action::help }, // -h acts before x is read
        { { "-j" }, Action::usage_error, false, false, {}, 0, "invalid option -- 'j'" },
        { { "-C" }, Action::usage_error, false, false, {}, 0, "option requires an argument -- 'C'" },
        { { "--directory" }, Action::usage_error, false, false, {}, 0, "option '--directory' requires an argument" },
        { { "--json=yes" }, Action::usage_error, false, false, {}, 0, "option '--json' doesn't allow an argument" },
        { { "--help=me" }, Action::usage_error, false, false, {}, 0, "option '--help' doesn't allow an argument" },
    };
    for (auto const& test : cases) {
        std::string trace;
        for (char const* argument : test.arguments)
            trace += std::string(argument) + " ";
        SCOPED_TRACE(trace);
        CommandLine const parsed = parse_command_line(test.arguments);
        EXPECT_EQ(parsed.action, test.action);
        EXPECT_EQ(parsed.error, test.error);
        if (test.action != Action::run)
            continue;
        EXPECT_EQ(parsed.json, test.json);
        EXPECT_EQ(parsed.check, test.check);
        EXPECT_EQ(parsed.directories, test.directories);
        EXPECT_EQ(parsed.operands, test.operands);
    }
}

TEST(HelpText, FitsATerminal)
{
    std::string_view const help = help_text();
    std::size_t lines = 0;
    for (std::size_t start = 0; start < help.size(); ++lines) {
        std::size_t const end = help.find('\n', start);
        ASSERT_NE(end, std::string_view::npos) << "the help ends with a newline";
        EXPECT_LE(end - start, 80U) << help.substr(start, end - start);
        start = end + 1;
    }
    EXPECT_LE(lines, 24U);
}

} // namespace
} // namespace mailfolder
