#pragma once
// Writes the week blocks of the preview's timesheet as markup: a header with the week's days
// and total, one row per customer:job, service item, payroll item, notes and billing with a
// cell per day, and a footer with the day totals.
#include <vector>

#include "ui/dialogs/details/MarkupWriter.h"
#include "ui/dialogs/details/PreviewCells.h"
#include "ui/dialogs/details/WeekLayout.h"

namespace Quorvane {
class MissingItemCollection;
}

class WeekTableWriter {
public:
    struct Settings {
        bool usesTimeData;  // shows the payroll item column
        bool canRemove;  // the import deletes QuickBooks time absent on the server
        Quorvane::DateTime periodStart;
        Quorvane::DateTime periodEnd;
    };

    // missing: the employee's items QuickBooks lacks; their names show in red.
    WeekTableWriter(const Settings& settings, const Quorvane::MissingItemCollection& missing);

    void WriteWeek(const PreviewWeek& week, const std::vector<KeyedEntry>& entries, MarkupWriter& markup) const;

private:
    // One row with its seven cells and what it adds up to.
    struct WeekRow {
        CustomerJobPayroll row;
        std::vector<PreviewCell> cells;
        bool removed;
        int total;
    };
    typedef std::vector<int> DayTotals;

    WeekRow CountRow(const PreviewWeek& week, const CustomerJobPayroll& row, const std::vector<KeyedEntry>& entries,
                     DayTotals& dayTotals) const;
    void WriteHeader(const PreviewWeek& week, const std::wstring& weekId, int weekTotal, MarkupWriter& markup) const;
    void WriteRow(const PreviewWeek& week, const std::wstring& weekId, const WeekRow& row, MarkupWriter& markup) const;
    void WriteTextCells(const CustomerJobPayroll& row, MarkupWriter& markup) const;
    // The text in its clipping block, then the end of the cell.
    void WriteClipped(const std::wstring& text, MarkupWriter& markup) const;
    void WriteDayCell(const Quorvane::DateTime& day, const PreviewCell& cell, bool rowRemoved,
                      MarkupWriter& markup) const;
    void WriteBillableCell(int billableState, bool rowRemoved, MarkupWriter& markup) const;
    void WriteFooter(const PreviewWeek& week, const std::wstring& weekId, const DayTotals& dayTotals, int weekTotal,
                     MarkupWriter& markup) const;
    bool IsInPeriod(const Quorvane::DateTime& day) const;
    bool IsMissing(const std::wstring& name) const;

    Settings m_settings;
    const Quorvane::MissingItemCollection& m_missing;
};
