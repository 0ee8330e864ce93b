#include "ui/dialogs/details/PreviewCells.h"

#include <cstdlib>

#include "core/TextUtils.h"

using Quorvane::FormatMinutes;

PreviewCellState GetCellState(const PreviewCell& cell, bool canRemove)
{
    if (cell.billedConflict)
        return BilledConflictCell;
    if (cell.absentOnServer)
        return canRemove ? DeletedCell : KeptCell;
    if (cell.quickBooksMinutes != cell.serverMinutes || cell.written)
        return ChangedCell;
    return cell.keeping == KeepsSurplus ? KeptCell : UnchangedCell;
}

int ShownMinutes(const PreviewCell& cell, PreviewCellState state)
{
    const bool quickBooksStays = state == BilledConflictCell || state == DeletedCell || state == KeptCell;
    return quickBooksStays ? cell.quickBooksMinutes : cell.serverMinutes;
}

bool AddsToRowTotal(PreviewCellState state, bool rowRemoved)
{
    return state != DeletedCell || rowRemoved;
}

bool AddsToDayTotal(PreviewCellState state)
{
    return state != DeletedCell;
}

namespace {

const wchar_t kNotAffected[] = L"Import will not affect this time record";

// Why QuickBooks keeps time that the server does not have; empty when it does not.
std::wstring KeepingReason(EntryKeeping keeping)
{
    switch (keeping) {
    case KeepsSurplus:
        return L"Time that Quorvane does not have is kept, as removing existing time-track is turned off";
    case KeepsLeaveNotImported: return L"Leave of this type is not imported";
    case KeepsLeaveOfUnknownType: return L"Quorvane no longer lists this leave type: its leave is not imported";
    default: return std::wstring();
    }
}

std::wstring DeltaTooltip(const PreviewCell& cell)
{
    const int delta = cell.serverMinutes - cell.quickBooksMinutes;
    return L"Original time was " + FormatMinutes(cell.quickBooksMinutes, L"0:00") + L", delta " +
           (delta > 0 ? L"+" : L"-") + FormatMinutes(std::abs(delta), L"0:00");
}

}  // namespace

std::wstring DiffTooltip(const PreviewCell& cell, bool canRemove)
{
    if (cell.billedConflict)
        return std::wstring(L"Time record cannot be modified in QuickBooks as it is marked as billed.\r") +
               L"(Time reported in Quorvane has been " + (cell.absentOnServer ? L"deleted" : L"decreased") +
               L" or marked as non-billable)";
    if (cell.absentOnServer)
        return canRemove ? L"Time record will be deleted from QuickBooks, as it is absent in Quorvane" : kNotAffected;
    const std::wstring reason = KeepingReason(cell.keeping);
    if (cell.quickBooksMinutes == cell.serverMinutes && cell.written)
        return L"Time records are rewritten in QuickBooks; their total of " +
               FormatMinutes(cell.quickBooksMinutes, L"0:00") + L" stays";
    if (cell.quickBooksMinutes != cell.serverMinutes)
        return DeltaTooltip(cell) + (reason.empty() ? reason : L"\r" + reason);
    return (cell.billed ? L"Time is billed\r" : L"") + (reason.empty() ? reason : reason + L"\r") + kNotAffected;
}

bool IsRowAbsentOnServer(const std::vector<PreviewCell>& rowCells)
{
    for (std::vector<PreviewCell>::const_iterator cell = rowCells.begin(); cell != rowCells.end(); ++cell)
        if (!cell->empty && (!cell->absentOnServer || cell->billedConflict))
            return false;
    return true;
}
