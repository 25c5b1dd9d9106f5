#pragma once

#include "report/run.h"

#include <cstdio>
#include <span>

namespace mailfolder {

/// The exit statuses of a run.
enum ExitStatus : int {
    EXIT_STATUS_SUCCESS = 0,
    /// The report or audit could not be made or written.
    EXIT_STATUS_FAILURE = 1,
    EXIT_STATUS_USAGE = 2,
    /// With --check: a message file is missing or an orphan lies in the store.
    EXIT_STATUS_INCOMPLETE = 3,
};

/// The whole program: parses `arguments` (those after the program's name) and does what they
/// ask, writing to `out` and, for notes, warnings and failures (one line each), to `err`;
/// returns the exit status.
int run_command_line(std::span<char const* const> arguments, std::FILE* out, std::FILE* err);

/// The text report on the store in the current directory: clears the console, writes the
/// report to `out`, warnings and the failure that ends a run to `err`; returns the exit status.
int run_report(std::FILE* out, std::FILE* err);

/// The trays pass: every tray record, in file order, exactly as read. False when the file
/// cannot be opened or read (run.hierarchy_failure tells why); a failure to write is kept by
/// the output.
bool print_trays(Run& run);

} // namespace mailfolder
