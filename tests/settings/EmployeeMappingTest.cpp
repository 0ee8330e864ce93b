// The employee mapping tab on the real page: rows and their order, what each select shows and
// saves for every mapping state, how choices in one row change the others, hiding mapped users,
// sorting, and names that hold markup characters.
#include "SettingsPage.h"

#include <functional>

#include "Listing.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace Quorvane;

namespace {

class EmployeeMappingPage : public SettingsPage {
protected:
    std::vector<Element> Rows() { return settings_page::DataRows(ById("mappingTable")); }
    // The user cells of the rows in page order, each followed by "|".
    std::wstring RowNames()
    {
        std::wstring names;
        for (const Element& row : Rows())
            names += TextOf(row.child(0)) + L"|";
        return names;
    }
    Element SelectOf(const char* userId) { return ById(userId); }
    Mapping& Saved(const wchar_t* userId) { return *dialog->GetConfig()->GetEmployeeMappings()->GetBySource(userId); }
    std::wstring SavedPostfix(const wchar_t* userId)
    {
        const Config::NamePostfixes postfixes = dialog->GetConfig()->GetNamePostfixes();
        return postfixes.count(userId) ? postfixes.find(userId)->second : L"(none)";
    }
    void SaveAll() { page.Click(ById("Save")); }
    // The icons the user's row shows: "stop", "new", both or none.
    std::wstring IconsOf(const char* userId)
    {
        const Element row = SelectOf(userId).parent().parent();
        std::wstring shown;
        for (const char* icon : { "iconstop", "iconnew" }) {
            const RECT box = row.find_first("img[%s]", icon).get_location(LOCATION_VIEW_BORDER_BOX);
            if (box.right > box.left)
                shown += std::wstring(shown.empty() ? L"" : L" ") + (icon[4] == 's' ? L"stop" : L"new");
        }
        return shown;
    }
};

TEST_F(EmployeeMappingPage, RowsListNewUsersFirstThenByNameIgnoringCase)
{
    AddUser(L"1", L"Zoe", L"adams", Mapping::Mapped, L"Q1");
    AddUser(L"2", L"Al", L"Young", Mapping::NotMapped);
    AddUser(L"3", L"Bea", L"Adams", Mapping::Mapped, L"Q2");
    AddUser(L"4", L"Cy", L"Brown", Mapping::NoPayrollItemRequired);
    AddUser(L"5", L"Di", L"Cole", 6);
    SetNew(L"4", false);
    SetNew(L"5", false);
    company.AddQuickBooksEmployee(L"Q1", L"Zoe", L"Adams");
    company.AddQuickBooksEmployee(L"Q2", L"Bea", L"Adams");
    Open(3);
    EXPECT_EQ(L"Young, Al (Al)|Adams, Bea (Bea)|adams, Zoe (Zoe)|Brown, Cy (Cy)|Cole, Di (Di)|", RowNames());
    EXPECT_EQ(L"1", AttributeOf(Rows()[0], "isNew"));
    EXPECT_EQ(L"Not required", TextOf(Rows()[3].child(1)));
    EXPECT_FALSE(page.Root().get_element_by_id("4").is_valid()) << "no select for a user who needs no mapping";
    EXPECT_EQ(L"", TextOf(Rows()[4].child(1)));
    EXPECT_EQ(L"1 2 3 4 5 ", Listing(*company.model->GetServerEmployees(), std::mem_fn(&Employee::GetId)))
        << "the model's users keep their order";

    SaveAll();
    EXPECT_EQ(Mapping::NoPayrollItemRequired, Saved(L"4").GetState());
    EXPECT_EQ(6, Saved(L"5").GetState());
}

TEST_F(EmployeeMappingPage, EachStateShowsItsChoiceAndSavesItBack)
{
    AddUser(L"1", L"Ann", L"Undecided", Mapping::NotMapped);
    AddUser(L"2", L"Bo", L"Mapped", Mapping::Mapped, L"Q-BO");
    AddUser(L"3", L"Cy", L"Skipped", Mapping::DoNotImport);
    AddUser(L"4", L"Di", L"Created", Mapping::CreateNew);
    AddUser(L"5", L"Ed", L"Vanished", Mapping::Mapped, L"Q-GONE");
    company.AddQuickBooksEmployee(L"Q-BO", L"Bo", L"Mapped");
    company.AddQuickBooksEmployee(L"Q-FREE", L"Fay", L"Free", L"M");
    company.AddQuickBooksEmployee(L"Q-DI", L"Di", L"Created");  // the new employee needs another name
    company.MapEmployee(L"99", L"Q-DI");
    Open(3);
    EXPECT_EQ(L"--please select--", Caption(SelectOf("1")));
    EXPECT_EQ(L"Bo Mapped", Caption(SelectOf("2")));
    EXPECT_EQ(L"--new-- (Bo  Mapped(2))|--do not import--|Bo Mapped|", Options(SelectOf("2")))
        << "the free employees come when the select is first used";
    page.Focus(SelectOf("1"));
    EXPECT_EQ(L"--please select--|--new-- (Ann  Undecided)|--do not import--|Fay M Free|", Options(SelectOf("1")));
    page.Focus(SelectOf("2"));
    EXPECT_EQ(L"--new-- (Bo  Mapped(2))|--do not import--|Fay M Free|Bo Mapped|", Options(SelectOf("2")));
    EXPECT_EQ(L"--do not import--", Caption(SelectOf("3")));
    EXPECT_EQ(L"--new-- (Di  Created(2))", Caption(SelectOf("4")));
    EXPECT_EQ(L"--please select--", Caption(SelectOf("5"))) << "a gone employee is no choice, not a new one";

    SaveAll();
    EXPECT_EQ(Mapping::NotMapped, Saved(L"1").GetState());
    EXPECT_EQ(L"Q-BO", Saved(L"2").GetTarget());
    EXPECT_FALSE(Saved(L"2").GetFlag());
    EXPECT_EQ(Mapping::DoNotImport, Saved(L"3").GetState());
    EXPECT_EQ(Mapping::CreateNew, Saved(L"4").GetState());
    EXPECT_EQ(L"(2)", SavedPostfix(L"4"));
    EXPECT_EQ(Mapping::NotMapped, Saved(L"5").GetState());
    EXPECT_EQ(L"(none)", SavedPostfix(L"5"));
}

// A user not to import is new too, yet the row says only that the user is not imported.
TEST_F(EmployeeMappingPage, ARowShowsOneIconForItsState)
{
    AddUser(L"1", L"Ann", L"Undecided", Mapping::NotMapped);
    AddUser(L"2", L"Bo", L"Mapped", Mapping::Mapped, L"Q-BO");
    AddUser(L"3", L"Cy", L"Skipped", Mapping::DoNotImport);
    company.AddQuickBooksEmployee(L"Q-BO", L"Bo", L"Mapped");
    Open(3);
    EXPECT_EQ(L"new", IconsOf("1"));
    EXPECT_EQ(L"", IconsOf("2"));
    EXPECT_EQ(L"stop", IconsOf("3"));
    page.ChooseAt(SelectOf("1"), 2);  // "--do not import--"
    EXPECT_EQ(L"stop", IconsOf("1"));
}

TEST_F(EmployeeMappingPage, AnEmployeeChosenInOneRowLeavesTheOthersUntilChosenAgain)
{
    AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
    AddUser(L"2", L"Bo", L"Birch", Mapping::NotMapped);
    company.AddQuickBooksEmployee(L"Q-X", L"Xia", L"Xu");
    company.AddQuickBooksEmployee(L"Q-Y", L"Yan", L"Yu");
    Open(3);
    page.Focus(SelectOf("2"));
    EXPECT_EQ(L"--please select--|--new-- (Bo  Birch)|--do not import--|Xia Xu|Yan Yu|", Options(SelectOf("2")));
    page.Choose(SelectOf("1"), L"Q-X");
    EXPECT_EQ(L"2", AttributeOf(Rows()[0], "mappingState")) << "the page copies the choice onto the row";
    EXPECT_EQ(Mapping::Mapped, Saved(L"1").GetState());
    EXPECT_EQ(L"Q-X", Saved(L"1").GetTarget());
    EXPECT_FALSE(Saved(L"1").GetFlag());
    EXPECT_EQ(L"--please select--|--new-- (Bo  Birch)|--do not import--|Yan Yu|", Options(SelectOf("2")));
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", AttributeOf(ById("idEmployeeMapping_Tab_Img"), "src"));

    page.ChooseAt(SelectOf("1"), 2);  // "--do not import--"
    EXPECT_EQ(Mapping::DoNotImport, Saved(L"1").GetState());
    EXPECT_EQ(L"", Saved(L"1").GetTarget());
    EXPECT_TRUE(Saved(L"1").GetFlag());
    EXPECT_EQ(L"3", AttributeOf(Rows()[0], "mappingState"));
    EXPECT_EQ(L"--please select--|--new-- (Bo  Birch)|--do not import--|Yan Yu|Xia Xu|", Options(SelectOf("2")));

    page.Choose(SelectOf("2"), L"Q-Y");
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", AttributeOf(ById("idEmployeeMapping_Tab_Img"), "src"));
}

TEST_F(EmployeeMappingPage, ANewEmployeeTakesTheNextFreePostfixFromItsNamesakes)
{
    AddUser(L"1", L"John", L"Smith", Mapping::NotMapped);
    AddUser(L"2", L"John", L"Smith", Mapping::NotMapped);
    company.AddQuickBooksEmployee(L"Q-JS", L"John", L"Smith");
    Open(3);
    EXPECT_EQ(L"--new-- (John  Smith(2))", TextOf(SelectOf("2").find_first("option[mappingState=\"4\"]")));
    page.ChooseAt(SelectOf("1"), 1);
    EXPECT_EQ(Mapping::CreateNew, Saved(L"1").GetState());
    EXPECT_EQ(L"(2)", SavedPostfix(L"1"));
    Element second = SelectOf("2").find_first("option[mappingState=\"4\"]");
    EXPECT_EQ(L"--new-- (John  Smith(3))", TextOf(second));
    EXPECT_EQ(L"(3)", AttributeOf(second, "postfix"));
    page.ChooseAt(SelectOf("2"), 1);
    EXPECT_EQ(L"(3)", SavedPostfix(L"2"));
    page.ChooseAt(SelectOf("1"), 2);
    EXPECT_EQ(L"(none)", SavedPostfix(L"1"));
    EXPECT_EQ(L"--new-- (John  Smith(3))", Caption(SelectOf("2"))) << "a chosen postfix is kept";
}

TEST_F(EmployeeMappingPage, TheEmptyTableMessageAndNotMappedUsersOnly)
{
    Open(3);
    Element box = ById("hideAllButNew");
    Element message = page.Find("#Employee #idEmptyTableDiv");
    EXPECT_TRUE(HasState(message, STATE_EXPANDED));
    EXPECT_EQ(L"There are no Quorvane users who reported time-track within the specified date range.",
              TextOf(page.Find("#Employee #idEmptyTableComment")));
    EXPECT_TRUE(HasState(box, STATE_DISABLED));

    AddUser(L"1", L"Ann", L"Ash", Mapping::Mapped, L"Q1");
    AddUser(L"2", L"Bo", L"Birch", Mapping::Mapped, L"Q2");
    company.AddQuickBooksEmployee(L"Q1", L"Ann", L"Ash");
    company.AddQuickBooksEmployee(L"Q2", L"Bo", L"Birch");
    Open(3);
    box = ById("hideAllButNew");
    message = page.Find("#Employee #idEmptyTableDiv");
    EXPECT_TRUE(HasState(message, STATE_COLLAPSED));
    page.Click(box);
    EXPECT_TRUE(HasState(Rows()[0], STATE_COLLAPSED));
    EXPECT_TRUE(HasState(Rows()[1], STATE_COLLAPSED));
    EXPECT_TRUE(HasState(message, STATE_EXPANDED));
    EXPECT_EQ(L"There are no Quorvane users to map.", TextOf(page.Find("#Employee #idEmptyTableComment")));
    EXPECT_FALSE(HasState(box, STATE_DISABLED));
    page.Click(box);
    EXPECT_TRUE(HasState(Rows()[0], STATE_EXPANDED));
    EXPECT_TRUE(HasState(message, STATE_COLLAPSED));
}

TEST_F(EmployeeMappingPage, HeaderClicksSortTheRowsWithNewUsersAtTheStartOrTheEnd)
{
    AddUser(L"1", L"Al", L"Baker", Mapping::Mapped, L"Q-Z");
    AddUser(L"2", L"Cy", L"Adams", Mapping::Mapped, L"Q-A");
    AddUser(L"3", L"Di", L"Zorn", Mapping::NotMapped);
    company.AddQuickBooksEmployee(L"Q-Z", L"Zed", L"Zulu");
    company.AddQuickBooksEmployee(L"Q-A", L"Abe", L"Able");
    Open(3);
    Element userTitle = page.Find("#mappingTable th.user-column .column-title");
    Element employeeTitle = page.Find("#mappingTable th.employee-column .column-title");
    EXPECT_EQ(L"Zorn, Di (Di)|Adams, Cy (Cy)|Baker, Al (Al)|", RowNames());
    page.Click(userTitle);
    EXPECT_EQ(L"Baker, Al (Al)|Adams, Cy (Cy)|Zorn, Di (Di)|", RowNames());
    EXPECT_EQ(L"desc", AttributeOf(page.Find("#mappingTable th.user-column"), "sorted"));
    page.Click(userTitle);
    EXPECT_EQ(L"Zorn, Di (Di)|Adams, Cy (Cy)|Baker, Al (Al)|", RowNames());
    EXPECT_EQ(L"asc", AttributeOf(page.Find("#mappingTable th.user-column"), "sorted"));
    page.Click(employeeTitle);  // by the chosen employee, descending
    EXPECT_EQ(L"Baker, Al (Al)|Adams, Cy (Cy)|Zorn, Di (Di)|", RowNames());
    page.Click(employeeTitle);
    EXPECT_EQ(L"Zorn, Di (Di)|Adams, Cy (Cy)|Baker, Al (Al)|", RowNames());
    EXPECT_EQ(L"(none)", AttributeOf(page.Find("#mappingTable th.user-column"), "sorted"));
    page.Click(ById("hideAllButNew"));
    EXPECT_EQ(L"user-column employee-column", AttributeOf(page.Find("#mappingTable th.user-column"), "class") + L" " +
                                                  AttributeOf(page.Find("#mappingTable th.employee-column"), "class"))
        << "the filter box in a header cell does not sort";
    EXPECT_EQ(L"Zorn, Di (Di)|Adams, Cy (Cy)|Baker, Al (Al)|", RowNames());
}

TEST_F(EmployeeMappingPage, MarkupCharactersInNamesAndIdsRoundTrip)
{
    const std::wstring odd = L"O'Hara & <Sons> \"Q\"";
    AddUser(L"1", L"Ann", odd, Mapping::CreateNew);
    company.model->GetServerEmployees()->FindById(L"1")->SetUserName(L"a<b>&c");
    company.AddQuickBooksEmployee(L"Q'1\"&<x>", L"Eve", odd);
    Open(3);
    EXPECT_EQ(odd + L", Ann (a<b>&c)", TextOf(Rows()[0].child(0)));
    EXPECT_EQ(L"--new-- (Ann  " + odd + L")", Caption(SelectOf("1")));
    page.Focus(SelectOf("1"));
    EXPECT_EQ(L"Eve " + odd, TextOf(SelectOf("1").find_first("option[mappingState=\"2\"]")));
    page.Choose(SelectOf("1"), L"Q'1\"&<x>");
    EXPECT_EQ(L"Q'1\"&<x>", Saved(L"1").GetTarget());
    EXPECT_EQ(L"Eve " + odd, Caption(SelectOf("1")));
}

}  // namespace
