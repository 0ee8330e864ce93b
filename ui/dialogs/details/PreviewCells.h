#pragma once
// What one cell of the preview's timesheet says: its state, the minutes it shows, what it adds
// to the row and day totals, and the tooltip that tells what the import does with it.
#include <string>
#include <vector>

#include "ui/dialogs/details/PreviewRows.h"

enum PreviewCellState {
    UnchangedCell,  // the import leaves the time as it is
    ChangedCell,  // the import adds or changes time
    BilledConflictCell,  // billed in QuickBooks: the server's change cannot be made
    DeletedCell,  // absent on the server, and the import deletes it
    KeptCell  // absent on the server, and the import leaves it
};

// canRemove: the settings let the import delete QuickBooks time absent on the server.
PreviewCellState GetCellState(const PreviewCell& cell, bool canRemove);

// QuickBooks's minutes where the import cannot or does not follow the server, else the server's.
int ShownMinutes(const PreviewCell& cell, PreviewCellState state);
// A deleted cell adds to its row total only when the whole row goes, and never to its day.
bool AddsToRowTotal(PreviewCellState state, bool rowRemoved);
bool AddsToDayTotal(PreviewCellState state);

// Lines end with a carriage return, as the page's tooltips expect.
std::wstring DiffTooltip(const PreviewCell& cell, bool canRemove);

// True when every non-empty cell of the row is absent on the server and not billed: the import
// deletes the whole row. A row without cells counts as removed too.
bool IsRowAbsentOnServer(const std::vector<PreviewCell>& rowCells);
