#include "ui/main/SummaryTotalsView.h"

#include "app/MainModel.h"
#include "app/Resolvers.h"

boost::shared_ptr<Quorvane::TimeTrackDiffCollection>
GetImportableDiffs(const MainModel& model, const Quorvane::TimeTrackDiffCollection& entries)
{
    boost::shared_ptr<Quorvane::TimeTrackDiffCollection> importable(new Quorvane::TimeTrackDiffCollection());
    boost::shared_ptr<Quorvane::Config> config = model.GetConfig();
    for (const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry : entries) {
        boost::shared_ptr<Quorvane::TimeTrackRecord> record =
            entry->GetQuickBooksSide() ? entry->GetQuickBooksSide() : entry->GetImportSide();
        bool keep = true;
        if (record && record->IsLeave()) {
            try {
                keep = FindLeaveTypeMapping(model, *config, record->GetLeaveTypeName())->GetState() == 2;
            } catch (const Quorvane::NotFoundException&) {
            }
        }
        if (keep)
            importable->Add(entry);
    }
    return importable;
}

SummaryTotals SelectionTotals(const boost::shared_ptr<MainModel>& model, const std::set<std::wstring>& selection)
{
    bool canRemove = model->GetConfig()->GetCanRemoveExistingQBTimeTrack();
    SummaryTotals sum(canRemove);
    for (const std::wstring& id : selection) {
        try {
            boost::shared_ptr<Quorvane::EmployeeDiff> diff =
                Quorvane::DiffCollectionFindByEntityId(*model->GetEmployeeDiffs(), id);
            boost::shared_ptr<Quorvane::TimeTrackDiffCollection> entries =
                GetImportableDiffs(*model, *diff->GetTimeTrackDiffs());
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
