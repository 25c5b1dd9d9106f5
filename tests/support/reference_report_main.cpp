// Prints the reference report for the store in the current directory, with the tool's own probe
// answering for message files: what the tool must print, for inputs too large to keep beside a
// test as an expected file.
#include "platform/file_probe.h"
#include "reference_report.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main()
{
    std::ifstream file("HIERARCH.QX", std::ios::binary);
    if (!file)
        return 1;
    std::string const bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    mailfolder::platform::FileProbe probe;
    std::string const report = mailfolder::testing::reference_report(
        bytes, [&](std::string const& name) { return probe.readable_regular_file(name); });
    std::fwrite(report.data(), 1, report.size(), stdout);
    return 0;
}
