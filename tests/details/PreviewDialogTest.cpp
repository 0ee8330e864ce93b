#include <gtest/gtest.h>

#include "DialogHarness.h"
#include "MarchFortnightCompany.h"
#include "tests/support/WindowKeys.h"
#include "ui/dialogs/details/DetailsDialog.h"

using htmlayout::dom::element;

namespace {

// Rows of Ann's table body: 1 week header, 2 "Fix", 3 "Paint", 4 "Gutters", 5 "Stairs", 6 footer,
// 7 week header, 8 vacation, 9 "Frame", 10 "Sweep", 11 footer. Columns: 1 customer:job,
// 2 service item, 3 payroll item, 4 notes, 5 to 11 the days, 12 total, 13 billable.
const char kCell[] = "#workingLeaveTimeTBody>tr:nth-child(%d)>td:nth-child(%d)";

class PreviewDialog : public ::testing::Test {
protected:
    void SetUp() override { company.BuildPreview(); }

    void Open(const wchar_t* userId, bool workingTab)
    {
        dialog.reset(new OpenedDialog<DetailsDialog>(nullptr, company.model));
        dialog->SetEmployeeId(userId);
        dialog->SetOpenWorkingLeaveTimeTab(workingTab);
        dialog->OpenOrThrow(136);
        page.reset(new PageProbe(dialog->Window()));
    }

    element Cell(int row, int column) const { return page->Root().find_first(kCell, row, column); }
    std::wstring CellText(int row, int column) const { return TextOf(Cell(row, column)); }
    std::wstring CellAttribute(int row, int column, const char* name) const
    {
        return AttributeOf(Cell(row, column), name);
    }
    bool IsCurrent(const char* panel) const
    {
        return page->HasState(std::string("#detailsTab>.strip>[panel=") + panel + "]", STATE_CURRENT);
    }
    bool MissingItemsTabHidden() const
    {
        return page->HasState("[panel=idMissingItems_Tab]", STATE_COLLAPSED) &&
               page->HasState("[name=idMissingItems_Tab]", STATE_COLLAPSED);
    }

    MarchFortnightCompany company;
    std::unique_ptr<OpenedDialog<DetailsDialog>> dialog;
    std::unique_ptr<PageProbe> page;
};

TEST_F(PreviewDialog, PageAndPiecesLoad)
{
    Open(L"1", true);
    EXPECT_EQ(std::wstring::npos, page->Errors().find(L"nothing loaded")) << page->Errors();
    EXPECT_TRUE(page->Find("#ErrorBodyDialog").is_valid());
    EXPECT_EQ(1u, page->FindAll("#ErrorBodyDialog").size());
}

TEST_F(PreviewDialog, OpensOnMissingItemsOnlyWhenAskedAndThereAreAny)
{
    Open(L"1", false);
    EXPECT_TRUE(IsCurrent("idMissingItems_Tab"));
    EXPECT_FALSE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_TRUE(page->HasState("[name=idMissingItems_Tab]", STATE_EXPANDED));
    EXPECT_FALSE(page->HasState("[name=idWorkingLeaveTime_Tab]", STATE_EXPANDED));

    Open(L"1", true);
    EXPECT_TRUE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_FALSE(IsCurrent("idMissingItems_Tab"));

    Open(L"4", false);  // Dee lacks nothing
    EXPECT_TRUE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_TRUE(MissingItemsTabHidden());
}

TEST_F(PreviewDialog, ListsUsersByTheirQuickBooksNamesLeavingOutThoseNotImported)
{
    company.annEmployee->SetFirstName(L"annie");
    company.AddServerUser(L"5", L"Anna", L"Zorn");
    Open(L"2", true);
    EXPECT_EQ(L"Anna Zorn|annie Archer|Bob Baker|Dee Dunn", page->Texts("#EmployeeSelectId option"));
    EXPECT_EQ(L"2", page->Attribute("#EmployeeSelectId option:checked", "value"));
    EXPECT_EQ(L"Baker, Bob (Bob)", page->Text("#QuorvaneUser"));
    EXPECT_EQ(L"1", company.model->GetServerEmployees()->begin()->get()->GetId());

    Open(L"3", true);  // not listed: nobody is chosen, and no one else's timesheet shows
    EXPECT_TRUE(page->FindAll("#EmployeeSelectId option:checked").empty());
    EXPECT_EQ(L"", page->Text("#QuorvaneUser"));
    EXPECT_EQ(1u, page->FindAll("#workingLeaveTimeTBody tr").size());
    EXPECT_EQ(L"Preview not available for this employee", page->Text("#workingLeaveTimeTBody td.unavailable"));
}

TEST_F(PreviewDialog, WeeksAndDayColumnsStartOnTheFirstDayOfTheWeek)
{
    Open(L"1", true);
    EXPECT_EQ(L"Mo|Tu|We|Th|Fr|Sa|Su", page->Texts("#WorkingTime th[dayofweek]"));
    EXPECT_EQ(L"\xA0\xA0Week Of\xA0\xA0Mar 5 - 11, 2012", CellText(1, 1));

    company.model->SetFirstDayOfWeek(6);
    Open(L"1", true);
    EXPECT_EQ(L"Su|Mo|Tu|We|Th|Fr|Sa", page->Texts("#WorkingTime th[dayofweek]"));
    EXPECT_EQ(L"2012_03_04", page->Attribute("tr.weekheader", "week"));
    EXPECT_EQ(L"4|5|6|7|8|9|10", page->Texts("tr.weekheader:nth-child(1) td.green"));
}

TEST_F(PreviewDialog, CellsShowWhatTheImportWillDo)
{
    Open(L"1", true);
    EXPECT_EQ(L"This date is outside of the selected date range", CellAttribute(2, 5, "title"));
    EXPECT_EQ(L"", CellAttribute(2, 5, "total"));
    EXPECT_EQ(L"2:00", CellText(2, 8));  // changed: the new time, the old one in the tooltip
    EXPECT_EQ(L"Original time was 1:30, delta +0:30", CellAttribute(2, 8, "title"));
    EXPECT_EQ(L"color: #A3A3A3;", CellAttribute(3, 9, "style"));  // unchanged
    EXPECT_EQ(L"Original time was 0:00, delta +2:00", CellAttribute(4, 7, "title"));  // added
    EXPECT_EQ(L"", CellAttribute(5, 1, "missingItem"));
    EXPECT_EQ(L"(none)", CellAttribute(2, 1, "missingItem"));
    EXPECT_EQ(L"||2:00|2:00|1:00|0:30|0:00|5:30", page->Texts("tr.weekfooter:nth-child(6) td.texttbodytd"));
    EXPECT_EQ(L"5:30", page->Text("td[weekheadtotal=\"2012_03_05\"]"));

    EXPECT_EQ(L"Vacation Hourly|Vacation", CellText(8, 3) + L"|" + CellText(8, 4));
    EXPECT_EQ(L"conflicttt texttbodytd", CellAttribute(9, 5, "class"));
    EXPECT_EQ(L"\xA0\xA0"
              L"4:00",
              CellText(9, 5));  // billed: QuickBooks's time stays
    EXPECT_EQ(L"4:00", CellText(9, 12));  // the server's time counts
    EXPECT_EQ(1u, Cell(9, 13).find_first("img[src=\"IDR_PAGE.png\"]").is_valid());
    EXPECT_EQ(L"deletedtt texttbodytd", CellAttribute(10, 6, "class"));  // absent, removal off: kept
    EXPECT_EQ(L"12:00|0:45", CellText(11, 2) + L"|" + CellText(11, 3));  // the footer's first cell spans four
}

TEST_F(PreviewDialog, WithRemovalOnARowAbsentOnTheServerGoesButKeepsItsTotal)
{
    company.config->SetCanRemoveExistingQBTimeTrack(true);
    Open(L"1", true);
    EXPECT_EQ(L"deletedttheader", page->Attribute("#workingLeaveTimeTBody>tr:nth-child(10)", "class"));
    EXPECT_EQ(L"deletedttcross texttbodytd", CellAttribute(10, 6, "class"));
    EXPECT_EQ(L"Time record will be deleted from QuickBooks, as it is absent in Quorvane",
              CellAttribute(10, 6, "title"));
    EXPECT_EQ(L"0:45", CellText(10, 12));
    EXPECT_EQ(L"0:00", CellText(11, 3));
    EXPECT_EQ(L"12:00", CellText(11, 9));
}

TEST_F(PreviewDialog, ACollapsedWeekShowsOnlyItsHeader)
{
    Open(L"1", true);
    page->Click("tr[week=\"2012_03_05\"] img.pointer");
    EXPECT_EQ(L"IDR_COLLAPSED.png", page->Attribute("tr[week=\"2012_03_05\"] img.pointer", "src"));
    EXPECT_EQ(L"true|true|true|true|true", [&] {
        std::wstring states;
        for (const element& row : page->FindAll("tr[weekValue=\"2012_03_05\"]"))
            states += (states.empty() ? L"" : L"|") + AttributeOf(row, "hiderow");
        return states;
    }());
    EXPECT_EQ(L"(none)", page->Attribute("tr[weekValue=\"2012_03_12\"]", "hiderow"));

    page->Click("tr[week=\"2012_03_05\"] img.pointer");
    EXPECT_EQ(L"IDR_EXPANDED.png", page->Attribute("tr[week=\"2012_03_05\"] img.pointer", "src"));
    EXPECT_EQ(L"false", page->Attribute("tr[weekValue=\"2012_03_05\"]", "hiderow"));
}

// Without a mouse: the dialog opens on the employee list, Tab reaches a week's toggle and Enter
// collapses the week; Ctrl+Tab changes the tab.
TEST_F(PreviewDialog, TheKeyboardReachesTheWeeksAndTheTabs)
{
    Open(L"1", true);
    EXPECT_TRUE(page->HasState("#EmployeeSelectId", STATE_FOCUS));
    const std::string toggle = "tr[week=\"2012_03_05\"] img.pointer";
    for (int presses = 0; presses < 5 && !page->HasState(toggle, STATE_FOCUS); ++presses)
        PressWindowKey(dialog->Window(), VK_TAB);
    ASSERT_TRUE(page->HasState(toggle, STATE_FOCUS));
    PressWindowKey(dialog->Window(), VK_RETURN);
    EXPECT_EQ(L"true", page->Attribute("tr[weekValue=\"2012_03_05\"]", "hiderow"));

    PressWindowKey(dialog->Window(), VK_TAB, VK_CONTROL);
    EXPECT_TRUE(IsCurrent("idMissingItems_Tab"));
}

TEST_F(PreviewDialog, ChoosingAnotherUserRebuildsBothTabsAndKeepsMissingItemsReachable)
{
    Open(L"1", false);
    page->Choose(page->Find("#EmployeeSelectId"), L"4");
    EXPECT_EQ(L"Dunn, Dee (Dee)", page->Text("#QuorvaneUser"));
    EXPECT_EQ(L"Paint", CellText(2, 4));
    EXPECT_TRUE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_TRUE(MissingItemsTabHidden());

    page->Choose(page->Find("#EmployeeSelectId"), L"1");
    EXPECT_FALSE(page->HasState("[panel=idMissingItems_Tab]", STATE_COLLAPSED));
    EXPECT_TRUE(IsCurrent("idWorkingLeaveTime_Tab"));
    page->Click("[panel=idMissingItems_Tab]");
    EXPECT_TRUE(IsCurrent("idMissingItems_Tab"));
    EXPECT_FALSE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_TRUE(page->HasState("[name=idMissingItems_Tab]", STATE_EXPANDED));
    EXPECT_TRUE(page->HasState("[name=idWorkingLeaveTime_Tab]", STATE_COLLAPSED));
    EXPECT_EQ(2u, page->FindAll("#MissingItemItemId>tr").size());
}

TEST_F(PreviewDialog, WithoutTimeDataThePayrollColumnGoes)
{
    company.annEmployee->SetUsesTimeData(false);
    Open(L"1", true);
    EXPECT_EQ(L"2", page->Attribute("th#serviceitem", "colspan"));
    EXPECT_EQ(L"true", page->Attribute("th#payroll", "htd"));
    EXPECT_EQ(L"2", CellAttribute(2, 2, "colspan"));
    EXPECT_EQ(L"Fix", CellText(2, 3));

    Open(L"2", true);  // Bob has no QuickBooks employee: his payroll rule decides
    EXPECT_EQ(L"(none)", page->Attribute("th#payroll", "htd"));
}

TEST_F(PreviewDialog, APreviewThatCannotBeBuiltSaysSo)
{
    company.config->SetServiceItemGroup(false);
    company.config->SetNameConvention(7);
    Open(L"1", true);
    EXPECT_EQ(L"Preview not available for this employee", page->Text("#workingLeaveTimeTBody td"));
}

TEST_F(PreviewDialog, NamesAndNotesShowAsTyped)
{
    company.AddServerWork(company.ann, 10, 30, L"R&D <b>West</b>", L"Roof \"A\"", L"it's <i>done</i> & dusted", 0);
    company.BuildPreview();
    Open(L"1", true);
    EXPECT_EQ(L"R&D <b>West</b>:Roof \"A\"", CellText(6, 1));  // after Northwind
    EXPECT_EQ(L"it's <i>done</i> & dusted", CellText(6, 4));
    EXPECT_TRUE(page->FindAll("#workingLeaveTimeTBody b, #workingLeaveTimeTBody i").empty());
}

// The shared sheet's look of buttons must not reach the select's own drop button.
TEST_F(PreviewDialog, TheUserSelectIsOneFieldWithItsDropButtonAtItsRightEdge)
{
    Open(L"1", true);
    const RECT field = page->Find("#EmployeeSelectId").get_location(LOCATION_VIEW_BORDER_BOX);
    const RECT drop = page->Find("#EmployeeSelectId>button").get_location(LOCATION_VIEW_BORDER_BOX);
    EXPECT_EQ(26, field.bottom - field.top);
    EXPECT_TRUE(drop.top >= field.top && drop.bottom <= field.bottom);
    EXPECT_LE(field.right - drop.right, 2);
    EXPECT_LE(drop.right - drop.left, 22);
}

TEST_F(PreviewDialog, EscapeClosesTheDialog)
{
    Open(L"1", true);
    HTMLayoutTestKeyUp(dialog->Window(), nullptr, VK_ESCAPE, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_FALSE(IsWindow(dialog->Window()));
    EXPECT_FALSE(dialog->IsDataChanged());
}

}  // namespace
