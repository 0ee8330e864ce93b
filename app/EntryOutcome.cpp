#include "app/EntryOutcome.h"

#include "core/TimeTrackDiff.h"

using Quorvane::TimeTrackDiff;
using Quorvane::TimeTrackRecord;

bool IsRemoval(const TimeTrackDiff& diff)
{
    const boost::shared_ptr<TimeTrackRecord> existing = diff.GetQuickBooksSide();
    const boost::shared_ptr<TimeTrackRecord> entry = diff.GetImportSide();
    // A billed entry is never sent to QuickBooks, so a billed entry of no minutes that the
    // server's total keeps is left as it is, not deleted.
    if (!existing || (existing->IsBilled() && !diff.IsAbsentOnServer()))
        return false;
    return diff.IsAbsentOnServer() || !entry || entry->GetMinutes() == 0;
}

int MinutesAfterImport(const TimeTrackDiff& diff, bool canRemove)
{
    const int quickBooksMinutes = diff.GetQuickBooksSide() ? diff.GetQuickBooksSide()->GetMinutes() : 0;
    if (diff.IsBilledConflict())
        return quickBooksMinutes;
    if (IsRemoval(diff))
        return canRemove ? 0 : quickBooksMinutes;
    return diff.GetImportSide() ? diff.GetImportSide()->GetMinutes() : 0;
}
