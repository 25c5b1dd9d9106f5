#include "report/report.h"

#include <cstdio>
#include <span>

int main(int argc, char** argv)
{
    return mailfolder::run_command_line(
        std::span<char const* const>(argv + 1, argc > 0 ? static_cast<std::size_t>(argc - 1) : 0), stdout, stderr);
}
