#pragma once
// The summary table's rows: one per previewed employee who is imported and has entries, in the
// order of the names shown, built as one piece of markup.
#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "app/missing/MissingItem.h"
#include "core/EmployeeDiff.h"
#include "ui/toolkit/Element.h"

class MainModel;

// How badly an employee's missing items block the import; the values are the page's
// "missingType" and its sort order.
enum MissingItemLevel {
    MissingCannotBeCreated = 0,
    MissingManual = 1,
    MissingAutomatic = 2,
    NothingMissing = 3
};

// Examines the statuses in order until one cannot be created, or both a manual and an
// automatic one have been met.
MissingItemLevel GetMissingItemLevel(const Quorvane::MissingItemStatusList& statuses);

// One employee's entries, summed as the summary shows them.
class SummaryTotals {
public:
    explicit SummaryTotals(bool canRemove)
        : conflict(false), absent(false), billed(false), changed(false), after(0), before(0), canRemove(canRemove)
    {
    }
    void Add(const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry);

    bool conflict;
    bool absent;
    bool billed;
    bool changed;
    int after;
    int before;
    bool canRemove;
};

// The row order: the displayed names, lower-cased, compared by UTF-16 units. Each employee's
// key is worked out once.
class EmployeeDiffNameLess {
public:
    explicit EmployeeDiffNameLess(const boost::shared_ptr<MainModel>& model) : m_model(model) {}
    bool operator()(const boost::shared_ptr<Quorvane::EmployeeDiff>& a,
                    const boost::shared_ptr<Quorvane::EmployeeDiff>& b);

private:
    const std::wstring& Key(const Quorvane::EmployeeDiff& diff);

    boost::shared_ptr<MainModel> m_model;
    std::map<const Quorvane::EmployeeDiff*, std::wstring> m_keys;
};

class SummaryTableBuilder {
public:
    explicit SummaryTableBuilder(const boost::shared_ptr<MainModel>& model) : m_model(model) {}
    // Replaces the rows of the table body. The caller holds the model's lock.
    void Fill(htmlayout::dom::element tbody);
    // The rows' markup, as Fill sets it.
    std::wstring BuildRows();

private:
    void AppendRow(const Quorvane::EmployeeDiff& diff, std::wstring& rows);

    boost::shared_ptr<MainModel> m_model;
};

// The name a summary row shows for a server user: its QuickBooks employee's, else its own.
std::wstring SummaryDisplayName(const MainModel& model, const Quorvane::Employee& serverUser, bool* inQuickBooks);
