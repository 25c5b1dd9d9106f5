#pragma once

#include "report/judged_record.h"

#include <cstddef>
#include <string_view>

namespace mailfolder {

/// The sums over a whole store.
struct StoreTotals {
    std::size_t records = 0;
    std::size_t trays = 0;
    std::size_t folders = 0;
    std::size_t present = 0;
    std::size_t orphans = 0;

    std::size_t missing() const { return folders - present; }
    /// True when a message file is missing or an orphan lies in the store.
    bool incomplete() const { return missing() > 0 || orphans > 0; }
    void count(JudgedRecord const& record)
    {
        ++records;
        trays += record.kind == RecordKind::tray ? 1 : 0;
        folders += record.kind == RecordKind::folder ? 1 : 0;
        present += record.kind == RecordKind::folder && record.present ? 1 : 0;
    }
};

/// An output made in one pass over the store: told of the store first, then of every judged
/// record in file order, every orphan in byte order of the names, and the sums last.
class StoreRenderer {
public:
    virtual ~StoreRenderer() = default;
    virtual void store(std::string_view hierarchy_file, std::string_view main_folder_id) = 0;
    virtual void record(JudgedRecord const& record) = 0;
    virtual void orphan(std::string_view name) = 0;
    virtual void summary(StoreTotals const& totals) = 0;
};

} // namespace mailfolder
