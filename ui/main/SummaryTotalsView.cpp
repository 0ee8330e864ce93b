#include "ui/main/SummaryTotalsView.h"

#include "app/MainModel.h"
#include "app/Resolvers.h"

SummaryTotals SelectionTotals(const boost::shared_ptr<MainModel>& model, const std::set<std::wstring>& selection)
{
    bool canRemove = model->GetConfig()->GetCanRemoveExistingQBTimeTrack();
    SummaryTotals sum(canRemove);
    for (const std::wstring& id : selection) {
        try {
            boost::shared_ptr<Quorvane::EmployeeDiff> diff =
                Quorvane::DiffCollectionFindByEntityId(*model->GetEmployeeDiffs(), id);
            boost::shared_ptr<Quorvane::TimeTrackDiffCollection> entries =
                CollectTimeTrackDiffs(*model, *diff->GetTimeTrackDiffs());
            for (const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry : *entries)
                sum.Add(entry);
        } catch (const Quorvane::NotFoundException&) {
            // The load clears the selection; an id left from before it has no row to count.
        }
    }
    return sum;
}

std::wstring SelectionCountText(size_t selected, size_t serverEmployees)
{
    if (selected == 0)
        return L"None";
    if (selected == serverEmployees)
        return L"All employees";
    return std::to_wstring(selected) + (selected > 1 ? L" employees" : L" employee");
}
