// The leave time and payroll tab on the real page: the import switch and the inner tabs, the
// leave-type selects in every state with and without payroll items, the working-time rows, and
// the tab's icon.
#include "SettingsPage.h"

#include <cstdlib>
#include <functional>

#include "Listing.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace Quorvane;

namespace {

class LeavePage : public SettingsPage {
protected:
    void AddUser(const std::wstring& id, const std::wstring& first, const std::wstring& last, int employeeState,
                 const std::wstring& employee = L"", int payrollState = Mapping::NotMapped,
                 const std::wstring& item = L"")
    {
        SettingsPage::AddUser(id, first, last, employeeState, employee);
        MapPayroll(id, item, payrollState);
    }
    void AddLeave(const std::wstring& id, const std::wstring& name, int state, const std::wstring& item = L"")
    {
        company.AddLeaveType(id, name);
        company.MapLeaveType(id, item, state);
    }
    std::vector<Element> PayrollRows() { return settings_page::ChildrenFrom(ById("payrollTypeMappingBody"), 0); }
    std::wstring PayrollRowNames()
    {
        std::wstring names;
        for (const Element& row : PayrollRows())
            names += TextOf(row.child(0)) + L"|";
        return names;
    }
    Mapping& LeaveRule(const wchar_t* id) { return *dialog->GetConfig()->GetLeaveTypeMappings()->GetBySource(id); }
    Mapping& PayrollRule(const wchar_t* id) { return *dialog->GetConfig()->GetPayrollTypeMappings()->GetBySource(id); }
    std::wstring Icon() { return AttributeOf(ById("idLeaveTimeAndPayroll_Tab_Img"), "src"); }
    // "head1 head2 / panel" of the inner tabs: which head is current, which hidden, which panel shown.
    std::string InnerTabs()
    {
        std::string text;
        for (const char* head : { "lv-panel-id1", "lv-panel-id2" }) {
            Element tab = ById(head);
            text += HasState(tab, STATE_COLLAPSED) ? "hidden" : HasState(tab, STATE_CURRENT) ? "CURRENT" : "shown";
            text += " ";
        }
        text += HasState(ById("lv-panel-ex-id1"), STATE_EXPANDED) ? "/ leave" : "";
        text += HasState(ById("lv-panel-ex-id2"), STATE_EXPANDED) ? "/ working" : "";
        return text;
    }
};

TEST_F(LeavePage, WithoutLeaveImportTheWorkingTimePanelOpensAndEveryTabStaysReachable)
{
    company.config->SetImportLeaveType(false);
    Open(4);
    EXPECT_EQ("hidden CURRENT / working", InnerTabs());
    page.Click(ById("idImportLeaveType"));
    EXPECT_TRUE(dialog->GetConfig()->GetImportLeaveType()) << "the switch saves at once";
    EXPECT_EQ("shown CURRENT / working", InnerTabs());
    page.Click(ById("lv-panel-id1"));
    EXPECT_EQ("CURRENT shown / leave", InnerTabs());
    page.Click(ById("idImportLeaveType"));
    EXPECT_EQ("hidden CURRENT / working", InnerTabs());
    EXPECT_FALSE(dialog->GetConfig()->GetImportLeaveType());
}

TEST_F(LeavePage, OpeningOnTheWorkingTimeProblemLeavesTheLeavePanelReachable)
{
    Open(5);
    EXPECT_EQ(L"idLeaveTimeAndPayroll_Tab", AttributeOf(page.Find(".settingsStrip > [panel]:current"), "panel"));
    EXPECT_EQ("shown CURRENT / working", InnerTabs());
    page.Click(ById("lv-panel-id1"));
    EXPECT_EQ("CURRENT shown / leave", InnerTabs());
    EXPECT_EQ(1u, page.FindAll("#lv-tab-holder > .strip > [panel]:current").size());
}

TEST_F(LeavePage, LeaveTypesInEveryStateWithPayrollItems)
{
    company.AddPayrollItem(L"P-b", L"b");
    company.AddPayrollItem(L"P-B", L"B");
    company.AddPayrollItem(L"P-a", L"a");
    AddLeave(L"1", L"Vacation & <Holiday>", Mapping::NotMapped);
    AddLeave(L"2", L"Sick", Mapping::Mapped, L"P-a");
    AddLeave(L"3", L"Unpaid", Mapping::DoNotImport);
    AddLeave(L"4", L"Jury", Mapping::CreateNew);
    AddLeave(L"6", L"Bonus", Mapping::ImportWithoutPayrollItem);
    AddLeave(L"7", L"Gone", Mapping::Mapped, L"P-GONE");
    company.MapLeaveType(L"99", L"", Mapping::NotMapped);  // a leave type the server no longer has
    Open(4);
    const std::vector<Element> rows = settings_page::DataRows(ById("leaveTypeMapping"));
    ASSERT_EQ(6u, rows.size());
    EXPECT_EQ(L"Vacation & <Holiday>", TextOf(rows[0].child(0)));
    EXPECT_EQ(L"--please select--|-- do not import --|B|a|b|", Options(ById("lv1")));
    EXPECT_EQ(L"a", Caption(ById("lv2")));
    EXPECT_EQ(L"-- do not import --", Caption(ById("lv3")));
    EXPECT_EQ(L"3", AttributeOf(rows[2], "mappingState"));
    EXPECT_EQ(L"4", CaptionState(ById("lv4")));
    EXPECT_EQ(L"--please select--", Caption(ById("lv6")));
    EXPECT_EQ(L"1", CaptionState(ById("lv7")));
    EXPECT_EQ(Mapping::NotMapped, LeaveRule(L"6").GetState()) << "importing without an item needs none to exist";
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", Icon());
    EXPECT_EQ(L"b B a ", Listing(*company.model->GetPayrollItems(), std::mem_fn(&PayRoll::GetName)))
        << "the model's list is not reordered";

    page.Choose(ById("lv1"), L"P-B");
    EXPECT_EQ(L"2", AttributeOf(rows[0], "mappingState"));
    EXPECT_EQ(L"P-B", LeaveRule(L"1").GetTarget());
    page.Click(ById("Save"));
    EXPECT_EQ(Mapping::CreateNew, LeaveRule(L"4").GetState());
    EXPECT_EQ(Mapping::NotMapped, LeaveRule(L"7").GetState());
    EXPECT_EQ(Mapping::NotMapped, LeaveRule(L"99").GetState());
}

TEST_F(LeavePage, LeaveTypesWithoutPayrollItemsAreImportedOrNot)
{
    AddLeave(L"1", L"Vacation", Mapping::ImportWithoutPayrollItem);
    AddLeave(L"2", L"Sick", Mapping::Mapped, L"P-OLD");
    AddLeave(L"3", L"Unpaid", Mapping::DoNotImport);
    Open(4);
    EXPECT_EQ(L"-- import --|-- do not import --|", Options(ById("lv1")));
    EXPECT_EQ(L"-- import --", Caption(ById("lv1")));
    EXPECT_EQ(L"--please select--|-- import --|-- do not import --|", Options(ById("lv2")));
    EXPECT_EQ(Mapping::NotMapped, LeaveRule(L"2").GetState());
    EXPECT_EQ(L"", LeaveRule(L"2").GetTarget());
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", Icon());
    page.ChooseAt(ById("lv2"), 1);
    EXPECT_EQ(Mapping::ImportWithoutPayrollItem, LeaveRule(L"2").GetState());
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", Icon());
    page.Click(ById("idImportLeaveType"));
    page.ChooseAt(ById("lv2"), 0);
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", Icon()) << "nothing to choose while leave is not imported";
}

TEST_F(LeavePage, WorkingTimeRowsOfferWhatEachEmployeeIsPaidBy)
{
    company.AddPayrollItem(L"P-H", L"Hourly & <OT>");
    company.AddPayrollItem(L"P-S", L"Salary");
    AddUser(L"1", L"Ann", L"Ash", Mapping::Mapped, L"Q-ANN", Mapping::Mapped, L"P-S");
    AddUser(L"2", L"Bo", L"Birch", Mapping::Mapped, L"Q-BO");
    AddUser(L"3", L"Cy", L"Cole", Mapping::Mapped, L"Q-CY");
    AddUser(L"4", L"Di", L"Dunn", Mapping::DoNotImport);
    AddUser(L"5", L"Ed", L"Eck", Mapping::NotMapped);
    company.AddQuickBooksEmployee(L"Q-ANN", L"Ann", L"Ash");
    company.AddQuickBooksEmployee(L"Q-BO", L"Bo", L"Birch")->SetNameList({ L"P-H", L"P-GONE" });
    company.AddQuickBooksEmployee(L"Q-CY", L"Cy", L"Cole")->SetUsesTimeData(false);
    Open(5);
    EXPECT_EQ(L"Eck, Ed (Ed)|Ash, Ann (Ann)|Birch, Bo (Bo)|Cole, Cy (Cy)|", PayrollRowNames());
    const RECT icon = PayrollRows()[0].find_first("img[iconnew]").get_location(LOCATION_VIEW_BORDER_BOX);
    const RECT cell = PayrollRows()[0].child(0).get_location(LOCATION_VIEW_BORDER_BOX);
    EXPECT_LE(std::abs((icon.top + icon.bottom) - (cell.top + cell.bottom)), 3)
        << "the new icon sits on the name's line";
    EXPECT_EQ(L"Salary", Caption(ById("pr1")));
    EXPECT_EQ(L"--please select--|Hourly & <OT>|", Options(ById("pr2")));
    EXPECT_EQ(L"Time data is not used for pay cheques", TextOf(ById("pr3")));
    EXPECT_EQ(L"--please select--|Hourly & <OT>|Salary|", Options(ById("pr5")));
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", Icon());

    page.Choose(ById("pr2"), L"P-H");
    page.Choose(ById("pr5"), L"P-S");
    EXPECT_EQ(L"P-H", PayrollRule(L"2").GetTarget());
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", Icon());
    page.Click(ById("Save"));
    EXPECT_EQ(Mapping::NoPayrollItemRequired, PayrollRule(L"3").GetState());
    EXPECT_EQ(Mapping::NotMapped, PayrollRule(L"4").GetState()) << "a user not imported has no row";
}

TEST_F(LeavePage, SavingUnchangedKeepsEveryWorkingTimeRule)
{
    company.AddPayrollItem(L"P-H", L"Hourly");
    AddUser(L"1", L"Ann", L"Ash", Mapping::Mapped, L"Q-ANN", Mapping::Mapped, L"P-H");
    AddUser(L"2", L"Bo", L"Birch", Mapping::CreateNew, L"", Mapping::NoPayrollItemRequired);
    AddUser(L"3", L"Cy", L"Cole", Mapping::Mapped, L"Q-CY", Mapping::NoPayrollItemRequired);
    company.AddQuickBooksEmployee(L"Q-ANN", L"Ann", L"Ash");
    company.AddQuickBooksEmployee(L"Q-CY", L"Cy", L"Cole")->SetUsesTimeData(false);
    Open(5);
    page.Click(ById("Save"));
    EXPECT_EQ(L"P-H", PayrollRule(L"1").GetTarget());
    EXPECT_EQ(Mapping::NoPayrollItemRequired, PayrollRule(L"2").GetState())
        << "a new employee's rule that the select cannot show";
    EXPECT_EQ(Mapping::NoPayrollItemRequired, PayrollRule(L"3").GetState());
}

TEST_F(LeavePage, AnEmployeeThatNowUsesTimeDataIsAskedForAPayrollItem)
{
    company.AddPayrollItem(L"P-H", L"Hourly");
    AddUser(L"3", L"Cy", L"Cole", Mapping::Mapped, L"Q-CY", Mapping::NoPayrollItemRequired);
    company.AddQuickBooksEmployee(L"Q-CY", L"Cy", L"Cole")->SetUsesTimeData(false);
    company.AddQuickBooksEmployee(L"Q-DI", L"Di", L"Dunn");
    Open(3);
    page.Choose(ById("3"), L"Q-DI");
    EXPECT_EQ(L"1", CaptionState(ById("pr3")));
    page.Click(ById("Save"));
    EXPECT_EQ(Mapping::NotMapped, PayrollRule(L"3").GetState());
}

TEST_F(LeavePage, AnEmployeeMappingChangeAddsOrRemovesTheUsersRow)
{
    company.AddPayrollItem(L"P-H", L"Hourly");
    AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
    AddUser(L"2", L"Bo", L"Birch", Mapping::DoNotImport);
    Open(3);
    EXPECT_EQ(L"Ash, Ann (Ann)|", PayrollRowNames());
    page.ChooseAt(ById("2"), 0);  // "--new-- (Bo  Birch)"
    EXPECT_EQ(L"Ash, Ann (Ann)|Birch, Bo (Bo)|", PayrollRowNames());
    page.ChooseAt(ById("1"), 2);  // "--do not import--"
    EXPECT_EQ(L"Birch, Bo (Bo)|", PayrollRowNames());
}

TEST_F(LeavePage, NotMappedUsersOnlyHidesDecidedRowsAndSurvivesARebuild)
{
    company.AddPayrollItem(L"P-H", L"Hourly");
    AddUser(L"1", L"Ann", L"Ash", Mapping::Mapped, L"Q-ANN", Mapping::Mapped, L"P-H");
    AddUser(L"2", L"Bo", L"Birch", Mapping::Mapped, L"Q-BO");
    company.AddQuickBooksEmployee(L"Q-ANN", L"Ann", L"Ash");
    company.AddQuickBooksEmployee(L"Q-BO", L"Bo", L"Birch")->SetUsesTimeData(false);
    AddUser(L"3", L"Cy", L"Cole", Mapping::NotMapped);
    Open(5);
    Element box = ById("idButtonHideMappedUser");
    Element message = page.Find("#Importleavetime #idEmptyTableDiv");
    page.Click(box);
    EXPECT_EQ("011", [this] {
        std::string hidden;
        for (const Element& row : PayrollRows())
            hidden += HasState(row, STATE_COLLAPSED) ? "1" : "0";
        return hidden;
    }()) << "mapped and not-required rows hide";
    EXPECT_TRUE(HasState(message, STATE_COLLAPSED));

    page.Choose(ById("pr3"), L"P-H");
    page.Click(page.Find(".settingsStrip > [panel=idEmployeeMapping_Tab]"));
    page.ChooseAt(ById("1"), 0);  // a new employee: a change on another tab rebuilds the table
    EXPECT_TRUE(HasState(box, STATE_CHECKED));
    for (const Element& row : PayrollRows())
        EXPECT_TRUE(HasState(row, STATE_COLLAPSED)) << TextOf(row.child(0));
    EXPECT_TRUE(HasState(message, STATE_EXPANDED));
    EXPECT_EQ(L"There are no Quorvane users to map.", TextOf(page.Find("#Importleavetime #idEmptyTableComment")));
}

}  // namespace
