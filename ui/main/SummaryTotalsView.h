#pragma once
// The footer of the summary: the selected employees' totals and how many are selected.
#include <set>
#include <string>

#include <boost/shared_ptr.hpp>

#include "core/TimeTrackDiff.h"
#include "ui/main/SummaryTable.h"

class MainModel;

// The entries the footer counts: leave entries only when their leave type is mapped to a
// payroll item (state 2); an entry whose leave type or rule is unknown stays.
boost::shared_ptr<Quorvane::TimeTrackDiffCollection>
GetImportableDiffs(const MainModel& model, const Quorvane::TimeTrackDiffCollection& entries);

// The totals over the selected employees; an id the preview does not hold is skipped.
SummaryTotals SelectionTotals(const boost::shared_ptr<MainModel>& model, const std::set<std::wstring>& selection);

// "None", "1 employee", "3 employees" or "All employees".
std::wstring SelectionCountText(size_t selected, size_t serverEmployees);
