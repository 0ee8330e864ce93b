#include <gtest/gtest.h>

#include "ui/dialogs/details/PreviewCells.h"

namespace {

PreviewCell Cell(int quickBooks, int server, bool conflict = false, bool absent = false, bool billed = false)
{
    PreviewCell cell;
    cell.empty = false;
    cell.quickBooksMinutes = quickBooks;
    cell.serverMinutes = server;
    cell.billedConflict = conflict;
    cell.absentOnServer = absent;
    cell.billed = billed;
    return cell;
}

PreviewCell Kept(int quickBooks, int server, EntryKeeping keeping)
{
    PreviewCell cell = Cell(quickBooks, server);
    cell.keeping = keeping;
    return cell;
}

PreviewCell Rewritten(int quickBooks, int server)
{
    PreviewCell cell = Cell(quickBooks, server);
    cell.written = true;
    return cell;
}

struct CellCase {
    const char* name;
    PreviewCell cell;
    bool canRemove;
    PreviewCellState state;
    int shown;
    bool rowTotal;  // when the row is not removed
    bool dayTotal;
    const wchar_t* tooltip;
};

const CellCase kCells[] = {
    { "added", Cell(0, 90), true, ChangedCell, 90, true, true, L"Original time was 0:00, delta +1:30" },
    { "raised", Cell(90, 120), true, ChangedCell, 120, true, true, L"Original time was 1:30, delta +0:30" },
    { "lowered", Cell(120, 90), true, ChangedCell, 90, true, true, L"Original time was 2:00, delta -0:30" },
    { "unchanged", Cell(60, 60), true, UnchangedCell, 60, true, true, L"Import will not affect this time record" },
    { "unchanged and billed", Cell(60, 60, false, false, true), true, UnchangedCell, 60, true, true,
      L"Time is billed\rImport will not affect this time record" },
    { "billed, server time dropped", Cell(240, 180, true), true, BilledConflictCell, 240, true, true,
      L"Time record cannot be modified in QuickBooks as it is marked as billed.\r"
      L"(Time reported in Quorvane has been decreased or marked as non-billable)" },
    { "billed, gone from the server", Cell(240, 240, true, true), true, BilledConflictCell, 240, true, true,
      L"Time record cannot be modified in QuickBooks as it is marked as billed.\r"
      L"(Time reported in Quorvane has been deleted or marked as non-billable)" },
    { "absent, removal on", Cell(45, 45, false, true), true, DeletedCell, 45, false, false,
      L"Time record will be deleted from QuickBooks, as it is absent in Quorvane" },
    { "absent, removal off", Cell(45, 45, false, true), false, KeptCell, 45, true, true,
      L"Import will not affect this time record" },
    { "surplus kept, removal off", Kept(120, 120, KeepsSurplus), false, KeptCell, 120, true, true,
      L"Time that Quorvane does not have is kept, as removing existing time-track is turned off\r"
      L"Import will not affect this time record" },
    { "surplus kept beside a change", Kept(120, 150, KeepsSurplus), false, ChangedCell, 150, true, true,
      L"Original time was 2:00, delta +0:30\r"
      L"Time that Quorvane does not have is kept, as removing existing time-track is turned off" },
    { "entries rewritten, total the same", Rewritten(420, 420), true, ChangedCell, 420, true, true,
      L"Time records are rewritten in QuickBooks; their total of 7:00 stays" },
    { "leave of a type not imported", Kept(480, 480, KeepsLeaveNotImported), true, UnchangedCell, 480, true, true,
      L"Leave of this type is not imported\rImport will not affect this time record" },
    { "leave of a type the server no longer lists", Kept(0, 0, KeepsLeaveOfUnknownType), true, UnchangedCell, 0, true,
      true,
      L"Quorvane no longer lists this leave type: its leave is not imported\r"
      L"Import will not affect this time record" },
};

TEST(PreviewCells, StateShownMinutesTotalsAndTooltip)
{
    for (const CellCase& c : kCells) {
        const PreviewCellState state = GetCellState(c.cell, c.canRemove);
        EXPECT_EQ(c.state, state) << c.name;
        EXPECT_EQ(c.shown, ShownMinutes(c.cell, state)) << c.name;
        EXPECT_EQ(c.rowTotal, AddsToRowTotal(state, false)) << c.name;
        EXPECT_EQ(c.dayTotal, AddsToDayTotal(state)) << c.name;
        EXPECT_EQ(c.tooltip, DiffTooltip(c.cell, c.canRemove)) << c.name;
    }
}

TEST(PreviewCells, ARemovedRowKeepsItsTotal)
{
    EXPECT_TRUE(AddsToRowTotal(DeletedCell, true));
}

TEST(PreviewCells, ARowGoesOnlyWhenEveryCellIsAbsentAndNotBilled)
{
    const PreviewCell none;
    const PreviewCell absent = Cell(45, 45, false, true);
    EXPECT_TRUE(IsRowAbsentOnServer({ none, absent, none, absent }));
    EXPECT_TRUE(IsRowAbsentOnServer({ none, none }));
    EXPECT_FALSE(IsRowAbsentOnServer({ absent, Cell(30, 30) }));
    EXPECT_FALSE(IsRowAbsentOnServer({ absent, Cell(45, 45, true, true) }));
}

}  // namespace
