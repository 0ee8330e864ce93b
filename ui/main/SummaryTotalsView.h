#pragma once
// The footer of the summary: the selected employees' totals and how many are selected.
#include <set>
#include <string>

#include <boost/shared_ptr.hpp>

#include "core/TimeTrackDiff.h"
#include "ui/main/SummaryTable.h"

class MainModel;

// The totals over the selected employees, of the entries the import takes, as their rows count
// them; an id the preview does not hold is skipped.
SummaryTotals SelectionTotals(const boost::shared_ptr<MainModel>& model, const std::set<std::wstring>& selection);

// "None", "1 employee", "3 employees" or "All employees".
std::wstring SelectionCountText(size_t selected, size_t serverEmployees);
