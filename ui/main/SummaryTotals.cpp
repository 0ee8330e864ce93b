#include "ui/main/SummaryTable.h"

#include "app/EntryOutcome.h"

MissingItemLevel GetMissingItemLevel(const Quorvane::MissingItemStatusList& statuses)
{
    bool manual = false;
    bool automatic = false;
    for (size_t i = 0; i < statuses.size() && !(manual && automatic); ++i) {
        int status = statuses[i]->GetStatus();
        if (status == 0)
            return MissingCannotBeCreated;
        manual = manual || status == 1;
        automatic = automatic || status == 2;
    }
    return manual ? MissingManual : automatic ? MissingAutomatic : NothingMissing;
}

void SummaryTotals::Add(const boost::shared_ptr<Quorvane::TimeTrackDiff>& entry)
{
    bool entryConflict = entry->IsBilledConflict() != 0;
    bool entryAbsent = entry->IsAbsentOnServer() != 0;
    conflict = conflict || entryConflict;
    absent = absent || entryAbsent;
    int first = entry->GetQuickBooksSide() ? entry->GetQuickBooksSide()->GetMinutes() : 0;
    before += first;
    int second = 0;
    if (boost::shared_ptr<Quorvane::TimeTrackRecord> importSide = entry->GetImportSide()) {
        second = importSide->GetMinutes();
        billed = billed || importSide->IsBilled() != 0;
    }
    after += MinutesAfterImport(*entry, canRemove);
    changed = changed || (!entryConflict && (entryAbsent || first != second));
}
