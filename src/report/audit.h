#pragma once

#include "report/report_output.h"
#include "report/store_renderer.h"

#include <string_view>

namespace mailfolder {

/// The audit, for people: a line per folder record whose message file is missing
/// ("missing: record 6: LOST04.QXM"), a line per orphan ("orphan: stray.qxm"), and a line that
/// sums up ("13 records, 7 folders: 4 present, 3 missing; 1 orphan").
class Audit final : public StoreRenderer {
public:
    explicit Audit(ReportOutput& out)
        : out_(out)
    {
    }

    void store(std::string_view hierarchy_file, std::string_view main_folder_id) override;
    void record(JudgedRecord const& record) override;
    void orphan(std::string_view name) override;
    void summary(StoreTotals const& totals) override;

private:
    ReportOutput& out_;
};

/// Writes `name` with its control bytes (below 0x20, and 0x7F) as "\x1b" and the like, so that
/// a hostile name cannot drive the terminal.
void write_visible(ReportOutput& out, std::string_view name);

} // namespace mailfolder
