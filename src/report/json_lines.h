#pragma once

#include "report/report_output.h"
#include "report/store_renderer.h"

namespace mailfolder {

/// The store as JSON Lines: a "store" object, a "record" object per record, an "orphan" object
/// per orphan and a "summary" object, one per line. With `problems_only`, the records listed
/// are the folder records whose message file is missing.
class JsonLines final : public StoreRenderer {
public:
    JsonLines(ReportOutput& out, bool problems_only)
        : out_(out)
        , problems_only_(problems_only)
    {
    }

    void store(std::string_view hierarchy_file, std::string_view main_folder_id) override;
    void record(JudgedRecord const& record) override;
    void orphan(std::string_view name) override;
    void summary(StoreTotals const& totals) override;

private:
    ReportOutput& out_;
    bool problems_only_;
};

} // namespace mailfolder
