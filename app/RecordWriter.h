#pragma once

#include "files/CommissioningRecord.h"

#include <string>

/// Keeps every device operation of one program run in the commissioning record. A line that
/// cannot be appended never stops the operation; the user learns it once per run, since the
/// next line would most likely fail the same way.
class RecordWriter {
public:
    explicit RecordWriter(CommissioningRecord record) : m_record(std::move(record)) {}

    /// Off: the operations of this run are left out of the record.
    void setEnabled(bool enabled) { m_enabled = enabled; }

    /// Appends the entry for the user `userName`; the first failure of the run is shown as a
    /// warning with the record's path and the reason.
    void Add(const RecordEntry& entry, const std::string& userName);

private:
    CommissioningRecord m_record;
    bool m_enabled = true;
    bool m_failureTold = false;
};
