// The summary table over a hand-built preview: rows, order, cells, footer, selection shortcuts,
// the missing-data button, the hint, the mapping problems and the page's own sorting.

#include "MainPageFixture.h"
#include "ui/main/MappingProblems.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::string> Calls;

class Summary : public MainPageTest {
protected:
    void User(const std::wstring& id, const std::wstring& first, const std::wstring& last, int state)
    {
        company.User(id, first, last, state);
    }
    boost::shared_ptr<TimeTrackDiff> Entry(const std::wstring& id, int quickBooks, int imported)
    {
        return company.Entry(id, quickBooks, imported);
    }
    boost::shared_ptr<TimeTrackDiff> Leave(const std::wstring& id, int minutes, const std::wstring& leaveType)
    {
        return company.Leave(id, minutes, leaveType);
    }

    std::wstring Rows()
    {
        std::wstring names;
        for (HELEMENT span : page.FindAll("#TTTotalTableBody span.employee"))
            names += htmlayout::dom::element(span).get_text().c_str() + std::wstring(L"|");
        return names;
    }
};

TEST_F(Summary, ListsImportedEmployeesWithEntriesByNameWithTheirCells)
{
    User(L"1", L"bob", L"Adams", Mapping::Mapped);
    Entry(L"1", 90, 60);
    User(L"2", L"Carl", L"Brown", Mapping::Mapped);
    Entry(L"2", 60, 60);
    User(L"3", L"Ann", L"Skipped", Mapping::DoNotImport);
    Entry(L"3", 60, 30);
    User(L"4", L"Al", L"Idle", Mapping::Mapped);
    User(L"5", L"BOBBY", L"New", 4);
    Entry(L"5", -1, 120);
    User(L"6", L"Colon:", L"Name", 4);
    Entry(L"6", -1, 30);
    view->RefreshSummary();

    EXPECT_EQ(L"bob Adams|BOBBY New|Carl Brown|Colon: Name|", Rows());
    std::vector<htmlayout::dom::element> rows = page.FindAll("#TTTotalTableBody > tr");
    ASSERT_EQ(4u, rows.size());
    auto cell = [&](size_t row, const char* colType) {
        return htmlayout::dom::element(rows[row]).find_first("td[colType=%s]", colType);
    };
    // bob: 1:30 in QuickBooks, 1:00 after the import.
    EXPECT_EQ(L"1:30", std::wstring(cell(0, "colTimeQB").get_text().c_str()));
    EXPECT_EQ(L"1:00", std::wstring(cell(0, "colTotalTimeQB").get_text().c_str()));
    EXPECT_STREQ(L"90", cell(0, "colTimeQB").get_attribute("value"));
    EXPECT_EQ(nullptr, cell(0, "colTimeQB").get_attribute("class"));
    EXPECT_STREQ(L"3", cell(0, "colMisItem").get_attribute("missingType"));
    EXPECT_STREQ(L"true", cell(0, "colEmployee").get_attribute("employeeExist"));
    // Carl changes nothing: grey.
    EXPECT_STREQ(L"notChange", cell(2, "colTotalTimeQB").get_attribute("class"));
    // BOBBY is new in QuickBooks and the employee must be created by hand.
    EXPECT_STREQ(L"false", cell(1, "colEmployee").get_attribute("employeeExist"));
    EXPECT_STREQ(L"1", cell(1, "colMisItem").get_attribute("missingType"));
    EXPECT_STREQ(L"-\u00a0\u00a0", cell(1, "colTimeQB").get_text().c_str());
    htmlayout::dom::element manualBox = cell(1, "colCheckbox").find_first("input");
    EXPECT_STREQ(L"empl_5", manualBox.get_attribute("id"));
    EXPECT_STREQ(L"disabled", manualBox.get_attribute("disabled"));
    EXPECT_STREQ(L"You cannot select this employee as there are missing items\r"
                 L"that should be created in QuickBooks before importing his/her data",
                 cell(1, "colCheckbox").get_attribute("title"));
    // A colon in the name: the employee cannot be created.
    EXPECT_STREQ(L"0", cell(3, "colMisItem").get_attribute("missingType"));
    EXPECT_STREQ(L"You cannot select this employee as there are missing items\rthat can not be created",
                 cell(3, "colCheckbox").get_attribute("title"));
    EXPECT_STREQ(L"res:ICON_STOP.png", cell(3, "colMisItem").find_first("img").get_attribute("src"));
}

// A summary worked out away from the window shows what a refresh shows, unless the model got
// another preview since: then the refresh works it out afresh.
TEST_F(Summary, APreparedSummaryShowsWhatARefreshShowsWhileItFitsTheModel)
{
    User(L"1", L"Bob", L"Adams", Mapping::Mapped);
    Entry(L"1", 90, 60);
    User(L"2", L"Carl", L"Brown", Mapping::Mapped);
    Entry(L"2", 60, 60);
    view->ShowPreparedSummary(view->PrepareSummary(company.model));
    EXPECT_EQ(L"Bob Adams|Carl Brown|", Rows());

    boost::shared_ptr<PreparedSummary> stale = view->PrepareSummary(company.model);
    boost::shared_ptr<EmployeeDiffCollection> others(new EmployeeDiffCollection());
    others->Add(*company.model->GetEmployeeDiffs()->begin());
    company.model->SetEmployeeDiffs(others);
    view->ShowPreparedSummary(stale);
    EXPECT_EQ(L"Bob Adams|", Rows());
}

// The rows go into the page a few at a time: all of them, in order, and a refresh replaces them.
TEST_F(Summary, ManyRowsShowInOrderAndARefreshReplacesThem)
{
    std::wstring expected;
    for (int i = 0; i < 130; ++i) {
        const std::wstring id = std::to_wstring(1000 + i);
        User(id, L"E", id, i % 7 == 0 ? Mapping::DoNotImport : Mapping::Mapped);
        Entry(id, 60, 30);
        if (i % 7 != 0)
            expected += L"E " + id + L"|";
    }
    view->RefreshSummary();
    EXPECT_EQ(expected, Rows());

    boost::shared_ptr<EmployeeDiffCollection> fewer(new EmployeeDiffCollection());
    fewer->Add(*++company.model->GetEmployeeDiffs()->begin());
    company.model->SetEmployeeDiffs(fewer);
    view->RefreshSummary();
    EXPECT_EQ(L"E 1001|", Rows());
}

TEST_F(Summary, NamesFromOutsideShowAsTypedInTextAndTitle)
{
    User(L"a\"&<b>", L"R&D \"<i>\"", L"O'Hara", Mapping::Mapped);
    Entry(L"a\"&<b>", 30, 60);
    view->RefreshSummary();
    EXPECT_EQ(L"R&D \"<i>\" O'Hara|", Rows());
    htmlayout::dom::element span(page.Find("#TTTotalTableBody span.employee"));
    EXPECT_STREQ(L"Click to preview import results\rQuorvane user: O'Hara, R&D \"<i>\" (R&D \"<i>\")",
                 span.get_attribute("title"));
    EXPECT_STREQ(L"empl_a\"&<b>", htmlayout::dom::element(page.Find("#TTTotalTableBody input")).get_attribute("id"));
    page.Click("#TTTotalTableBody input");
    EXPECT_EQ((Calls { "SelectEmployee a\"&<b> on" }), TakeCalls());
}

TEST_F(Summary, TheFooterCountsTheSelectionAndItsTotals)
{
    company.AddLeaveType(L"9", L"Vacation");
    company.MapLeaveType(L"9", L"P1", Mapping::Mapped);
    company.AddPayrollItem(L"P1", L"Vacation pay");
    for (const wchar_t* id : { L"1", L"2", L"3" }) {
        User(id, std::wstring(L"U") + id, L"X", Mapping::Mapped);
        Entry(id, 60, 120);
    }
    // An entry absent on the server is deleted by the import when the user allows it.
    Entry(L"1", 30, 30)->SetAbsentOnServer(1);
    view->RefreshSummary();
    EXPECT_EQ(L"None", page.Text("#selectedEmployeesId"));
    EXPECT_EQ(L"-\u00a0\u00a0", page.Text("#totalTimeAfterImport"));

    struct Case {
        std::vector<const wchar_t*> selected;
        bool deleteAbsent;
        const wchar_t* count;
        const wchar_t* before;
        const wchar_t* after;
    };
    const Case cases[] = { { { L"2" }, false, L"1 employee", L"1:00", L"2:00" },
                           { { L"1" }, false, L"1 employee", L"1:30", L"2:30" },
                           { { L"1" }, true, L"1 employee", L"1:30", L"2:00" },
                           { { L"1", L"2" }, false, L"2 employees", L"2:30", L"4:30" },
                           { { L"1", L"2", L"3" }, false, L"All employees", L"3:30", L"6:30" } };
    for (const Case& c : cases) {
        company.config->GetSelectedEmployees()->clear();
        company.config->GetSelectedEmployees()->insert(c.selected.begin(), c.selected.end());
        company.config->SetCanRemoveExistingQBTimeTrack(c.deleteAbsent);
        Call("UpdateTotal");
        EXPECT_EQ(c.count, page.Text("#selectedEmployeesId"));
        EXPECT_EQ(c.before, page.Text("#totalTimeBeforeImport"));
        EXPECT_EQ(c.after, page.Text("#totalTimeAfterImport"));
    }
}

// The rows and the footer count leave as the import takes it: not at all while leave is not
// imported, so that the footer never promises time the import will not write.
TEST_F(Summary, RowsAndFooterCountLeaveAsTheImportTakesIt)
{
    company.AddLeaveType(L"9", L"Vacation");
    company.MapLeaveType(L"9", L"P1", Mapping::Mapped);
    company.AddPayrollItem(L"P1", L"Vacation pay");
    company.config->SetImportLeaveType(false);
    User(L"1", L"Una", L"Leave", Mapping::Mapped);
    Entry(L"1", 60, 60);
    Leave(L"1", 60, L"Vacation");
    view->RefreshSummary();
    EXPECT_EQ(L"1:00", page.Text("#TTTotalTableBody td[colType=colTimeQB]"));
    company.config->GetSelectedEmployees()->insert(L"1");
    Call("UpdateTotal");
    EXPECT_EQ(L"1:00", page.Text("#totalTimeBeforeImport"));
    EXPECT_EQ(L"1:00", page.Text("#totalTimeAfterImport"));
}

TEST_F(Summary, AllUpdatedAndNoneLeaveDisabledBoxesAlone)
{
    User(L"1", L"Ann", L"Changes", Mapping::Mapped);
    Entry(L"1", 60, 90);
    User(L"2", L"Bea", L"Same", Mapping::Mapped);
    Entry(L"2", 60, 60);
    User(L"3", L"Cid", L"New", 4);
    Entry(L"3", -1, 60);
    view->RefreshSummary();
    struct Case {
        int mode;
        Calls expected;
    };
    const Case cases[] = { { 1, { "SelectEmployee 1 on", "SelectEmployee 2 on" } },
                           { 2, { "SelectEmployee 1 on", "SelectEmployee 2 off" } },
                           { 0, { "SelectEmployee 1 off", "SelectEmployee 2 off" } } };
    for (const Case& c : cases) {
        Call("OnEmployeeSelect", { json::value(c.mode) });
        EXPECT_EQ(c.expected, TakeCalls()) << c.mode;
        EXPECT_EQ(c.mode != 0 ? L"true" : L"false", page.Attribute("#TTTotalTableBody > tr", "rowSelect"));
        EXPECT_EQ(L"(none)", page.Attribute("#TTTotalTableBody input[disabled]", "rowSelect"));
    }
}

TEST_F(Summary, ReviewMissingDataNeedsAnImportedEmployeeWithMissingItems)
{
    struct Case {
        int state;
        bool enabled;
    };
    User(L"1", L"Mapped", L"Fine", Mapping::Mapped);
    Entry(L"1", 60, 30);
    // Each case adds one more employee who misses items; only the last is imported.
    for (const Case& c : { Case { 3, false }, Case { 1, false }, Case { 4, true } }) {
        std::wstring id = L"u" + std::to_wstring(c.state);
        User(id, L"Other", id, c.state);
        Entry(id, -1, 60);
        view->RefreshSummary();
        EXPECT_EQ(!c.enabled, IsDisabled("#Missingdata")) << c.state;
    }
}

TEST_F(Summary, TheHintCountsBlockedEmployeesButNotTheSkippedOnes)
{
    User(L"1", L"Skip", L"Me", Mapping::DoNotImport);
    Entry(L"1", -1, 60);
    view->RefreshSummary();
    EXPECT_FALSE(IsShown("#idEmployeeSelect img"));
    for (const wchar_t* id : { L"2", L"3", L"4" }) {
        User(id, L"New", id, 4);
        Entry(id, -1, 60);
    }
    view->RefreshSummary();
    EXPECT_TRUE(IsShown("#idEmployeeSelect img"));
    EXPECT_EQ(L"3 users cannot be selected as there are items that should be created in QuickBooks before "
              L"importing data for these employees.",
              page.Text("#tooltip-content"));
    EXPECT_EQ(L"selected-title-id", page.Attribute("#idEmployeeSelect", "titleid"));
    EXPECT_EQ(L"1 user cannot", EmployeeSelectHint(1).substr(0, 13));
}

TEST_F(Summary, MappingProblemsListEveryFailingCheckInOrder)
{
    company.config->SetMappingType(0);
    User(L"1", L"Un", L"Mapped", Mapping::NotMapped);
    company.AddLeaveType(L"9", L"Vacation");
    company.MapLeaveType(L"9", L"", Mapping::NotMapped);
    company.AddLeaveType(L"8", L"Sick");
    company.MapLeaveType(L"8", L"", Mapping::NotMapped);
    view->ShowMappingProblems();
    std::vector<std::wstring> items;
    for (HELEMENT item : page.FindAll("#idListMappingProblem > li"))
        items.push_back(htmlayout::dom::element(item).get_text().c_str());
    EXPECT_EQ((std::vector<std::wstring> { L"Mapping rules for customers & jobs",
                                           L"Mapping rules for QuickBooks employees (for 1 Quorvane user)",
                                           L"Leave types to be imported",
                                           L"Payroll items associated with leave types (for 2 leave types)",
                                           L"Payroll items associated with working time (for 1 Quorvane user)" }),
              items);
    EXPECT_TRUE(IsShown("#mappingProblem"));
    EXPECT_TRUE(IsDisabled("#import"));
    EXPECT_TRUE(IsDisabled("#Missingdata"));
    EXPECT_FALSE(IsDisabled("#Settings"));
    // Shown again, the list starts afresh.
    view->ShowMappingProblems();
    EXPECT_EQ(5u, page.FindAll("#idListMappingProblem > li").size());
}

// Sorting is the page's: a real click on each sortable header.
TEST_F(Summary, HeadersSortTheRowsAndARefreshResetsTheIndicator)
{
    User(L"1", L"Ann", L"A", Mapping::Mapped);
    Entry(L"1", 60, 60);
    User(L"2", L"Bea", L"B", Mapping::Mapped);
    Entry(L"2", 60, 90)->SetBilledConflict(1);
    User(L"3", L"Cid", L"C", Mapping::Mapped);
    Entry(L"3", 60, 30);
    view->RefreshSummary();
    EXPECT_EQ(L"Ann A|Bea B|Cid C|", Rows());
    EXPECT_EQ(L"asc", page.Attribute("th[hdType=hdEmployee]", "sorted"));

    struct Case {
        const char* header;
        const wchar_t* order;
        const wchar_t* sorted;
    };
    const Case cases[] = { { "th[hdType=hdEmployee]", L"Cid C|Bea B|Ann A|", L"desc" },
                           { "th[hdType=hdEmployee]", L"Ann A|Bea B|Cid C|", L"asc" },
                           { "th[hdType=hdConfictFlag]", L"Bea B|Ann A|Cid C|", L"asc" },
                           { "th[hdType=hdConfictFlag]", L"Cid C|Ann A|Bea B|", L"desc" },
                           { "th[hdType=hdMisItem]", L"Ann A|Bea B|Cid C|", L"asc" } };
    for (const Case& c : cases) {
        page.Click(c.header);
        EXPECT_EQ(c.order, Rows()) << c.header;
        EXPECT_EQ(c.sorted, page.Attribute(c.header, "sorted")) << c.header;
    }
    view->RefreshSummary();
    EXPECT_EQ(L"asc", page.Attribute("th[hdType=hdEmployee]", "sorted"));
    EXPECT_EQ(L"none", page.Style("th[hdType=hdConfictFlag]", "background-image"));
    // The first click after a refresh turns the shown ascending order around.
    page.Click("th[hdType=hdEmployee]");
    EXPECT_EQ(L"Cid C|Bea B|Ann A|", Rows());
}

// The rows scroll between the header and the footer, so the selection's count and totals stay
// in view at the panel's bottom; with few rows the footer follows the last of them.
TEST_F(Summary, TheFooterStaysInViewWhileTheRowsScroll)
{
    auto box = [&](HELEMENT element) {
        RECT rect {};
        HTMLayoutGetElementLocation(element, &rect, LOCATION_VIEW_BORDER_BOX);
        return rect;
    };
    auto addEmployees = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            User(std::to_wstring(i), L"Name", std::to_wstring(100 + i), Mapping::Mapped);
            Entry(std::to_wstring(i), 60, 90);
        }
        view->RefreshSummary();
    };
    addEmployees(0, 3);
    EXPECT_EQ(box(page.FindAll("#TTTotalTableBody > tr").back()).bottom, box(page.Find("tr.footer")).top);

    addEmployees(3, 60);
    RECT panel = box(page.Find("#summaryPanel")), header = box(page.Find("tr.header")),
         footer = box(page.Find("tr.footer"));
    EXPECT_EQ(panel.bottom - 1, footer.bottom);  // inside the panel's border
    HELEMENT last = page.FindAll("#TTTotalTableBody > tr").back();
    EXPECT_GT(box(last).top, footer.bottom);
    HTMLayoutScrollToView(last, 0);
    EXPECT_EQ(footer.top, box(last).bottom);
    EXPECT_EQ(header.top, box(page.Find("tr.header")).top);
    EXPECT_EQ(footer.top, box(page.Find("tr.footer")).top);
}

}  // namespace
