#pragma once

#include "report/report_output.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace mailfolder::testing {

/// The bytes a call writes through a ReportOutput, read back from a temporary file.
template <typename Write> std::string printed(Write write)
{
    std::FILE* sink = std::tmpfile();
    {
        ReportOutput out(sink);
        write(out);
        EXPECT_TRUE(out.finish());
    }
    std::string bytes(static_cast<std::size_t>(std::ftell(sink)), '\0');
    std::rewind(sink);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), sink), bytes.size());
    std::fclose(sink);
    return bytes;
}

} // namespace mailfolder::testing
