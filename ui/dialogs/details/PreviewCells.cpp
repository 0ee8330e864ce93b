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
    return cell.quickBooksMinutes == cell.serverMinutes ? UnchangedCell : ChangedCell;
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

std::wstring DiffTooltip(const PreviewCell& cell, bool canRemove)
{
    static const wchar_t kNotAffected[] = L"Import will not affect this time record";
    if (cell.billedConflict)
        return std::wstring(L"Time record cannot be modified in QuickBooks as it is marked as billed.\r") +
               L"(Time reported in Quorvane has been " + (cell.absentOnServer ? L"deleted" : L"decreased") +
               L" or marked as non-billable)";
    if (cell.absentOnServer)
        return canRemove ? L"Time record will be deleted from QuickBooks, as it is absent in Quorvane" : kNotAffected;
    if (cell.quickBooksMinutes == cell.serverMinutes)
        return (cell.billed ? L"Time is billed\r" : L"") + std::wstring(kNotAffected);
    const int delta = cell.serverMinutes - cell.quickBooksMinutes;
    return L"Original time was " + FormatMinutes(cell.quickBooksMinutes, L"0:00") + L", delta " +
           (delta > 0 ? L"+" : L"-") + FormatMinutes(std::abs(delta), L"0:00");
}

bool IsRowAbsentOnServer(const std::vector<PreviewCell>& rowCells)
{
    for (std::vector<PreviewCell>::const_iterator cell = rowCells.begin(); cell != rowCells.end(); ++cell)
        if (!cell->empty && (!cell->absentOnServer || cell->billedConflict))
            return false;
    return true;
}
