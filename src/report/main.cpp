#include "report/report.h"

#include <cstdio>

// Arguments are accepted and ignored: the report depends on the current directory alone.
int main()
{
    return mailfolder::run_report(stdout, stderr);
}
