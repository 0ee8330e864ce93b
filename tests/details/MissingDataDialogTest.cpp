#include <gtest/gtest.h>

#include "DialogHarness.h"
#include "MissingItemsCompany.h"
#include "tests/support/WindowKeys.h"
#include "core/CustomerJob.h"
#include "core/Exceptions.h"
#include "tools/qbsim/Control.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/MissingDataDialog.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

class MissingDataDialogTest : public MissingItemsCompany {
protected:
    void Open()
    {
        dialog.reset(new OpenedDialog<MissingDataDialog>(nullptr, company->model));
        dialog->OpenOrThrow(139);
        page.reset(new PageProbe(dialog->Window()));
    }

    // The row of the item, by its data type and name.
    std::string Row(const char* type, const char* name) const
    {
        for (const element& row : page->FindAll("#MissingItemItemId>tr")) {
            if (TextOf(row.find_first("span[name=status]")) == std::wstring(type, type + strlen(type)) &&
                AttributeOf(row, "valueName") == std::wstring(name, name + strlen(name)))
                return "#MissingItemItemId>tr:nth-child(" + std::to_string(row.index() + 1) + ")";
        }
        return "#no-such-row";
    }
    void Click(const char* type, const char* name) { page->Click(Row(type, name) + " button"); }
    bool IsChecked(const char* type, const char* name) const
    {
        return page->HasState(Row(type, name) + " button", STATE_CHECKED);
    }
    // "type name" per row, in table order.
    std::wstring Rows() const
    {
        std::wstring rows;
        for (const element& row : page->FindAll("#MissingItemItemId>tr"))
            rows +=
                TextOf(row.find_first("span[name=status]")) + L" " + TextOf(row.find_first("span[name=name]")) + L"; ";
        return rows;
    }

    bool SomethingFocused() const { return page->FindAll(":focus").size() == 1; }

    std::unique_ptr<OpenedDialog<MissingDataDialog>> dialog;
    std::unique_ptr<PageProbe> page;
};

TEST_F(MissingDataDialogTest, ListsTheItemsOfTheImportedEmployeesByKindAndName)
{
    Open();
    EXPECT_EQ(L"Employee Bob Baker; Customer Design; Customer Northwind; Customer:Job Design:Logo; "
              L"Customer:Job Northwind:Deck; Service Item Design; "
              L"Service Item Finish Carpentry and Millwork Installation; ",
              Rows());
    EXPECT_EQ(L"2 employees", page->Text(Row("Customer", "Northwind") + ">td:nth-child(5)"));
    EXPECT_EQ(L"Ann Archer\rBob Baker\r", page->Attribute(Row("Customer", "Northwind") + ">td:nth-child(5)", "title"));
    EXPECT_EQ(L"Ann Archer", page->Text(Row("Service Item", "Design") + ">td:nth-child(5)"));
    EXPECT_EQ(L"false", page->Attribute(Row("Customer", "Design"), "rowselect"));
    EXPECT_EQ(L"40%", page->Attribute(Row("Customer", "Design") + ">td:nth-child(4)", "width"));
}

TEST_F(MissingDataDialogTest, StatusesShowTheirIconAndOnlyCreatableRowsCanBeChecked)
{
    Open();
    const std::string tooLong = Row("Service Item", "Finish Carpentry and Millwork Installation");
    EXPECT_TRUE(page->Find(tooLong + " img[src=\"ICON_STOP.png\"]").is_valid());
    EXPECT_TRUE(page->HasState(tooLong + " button", STATE_DISABLED));
    EXPECT_NE(std::wstring::npos, page->Text(tooLong + ">td:nth-child(4)").find(L"31 character limit"));
    EXPECT_TRUE(page->Find(Row("Customer", "Design") + " img[src=\"IDR_TRIANGLEYELLOW.png\"]").is_valid());
    EXPECT_TRUE(page->Find(Row("Customer:Job", "Design:Logo") + " img[src=\"IDR_TRIANGLEWHITE.png\"]").is_valid());
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));
}

TEST_F(MissingDataDialogTest, ChecksFollowParentsAndChildrenWithinOneFamily)
{
    Open();
    Click("Customer:Job", "Design:Logo");
    EXPECT_TRUE(IsChecked("Customer", "Design"));
    EXPECT_FALSE(IsChecked("Service Item", "Design"));
    EXPECT_EQ(L"true", page->Attribute(Row("Customer", "Design"), "rowselect"));
    EXPECT_EQ(L"true", page->Attribute(Row("Customer:Job", "Design:Logo"), "rowselect"));
    EXPECT_FALSE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));

    Click("Service Item", "Design");
    Click("Customer", "Design");
    EXPECT_FALSE(IsChecked("Customer:Job", "Design:Logo"));
    EXPECT_EQ(L"false", page->Attribute(Row("Customer:Job", "Design:Logo"), "rowselect"));
    EXPECT_TRUE(IsChecked("Service Item", "Design"));
    Click("Service Item", "Design");
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));
}

TEST_F(MissingDataDialogTest, CreatesTheCheckedItemsAndRemovesTheirRows)
{
    Open();
    Click("Employee", "2");
    Click("Customer:Job", "Northwind:Deck");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();

    EXPECT_EQ(L"Customer Design; Customer:Job Design:Logo; Service Item Design; "
              L"Service Item Finish Carpentry and Millwork Installation; ",
              Rows());
    EXPECT_TRUE(dialog->IsDataChanged());
    EXPECT_EQ(L"Create Selected Items in QuickBooks", page->Text("#idCreateMissingDataButton"));
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));
    EXPECT_FALSE(page->HasState(Row("Customer", "Design") + " button", STATE_DISABLED));
    EXPECT_TRUE(
        page->HasState(Row("Service Item", "Finish Carpentry and Millwork Installation") + " button", STATE_DISABLED));
    EXPECT_NO_THROW(company->model->GetCustomerJobs()->FindByFullName(L"Northwind:Deck"));
    EXPECT_EQ(Mapping::Mapped, company->config->GetEmployeeMappings()->GetBySource(L"2")->GetState());
}

// Three checked items, the second refused: the first is created, the second stays unchecked
// with the error panel up, the third waits; closing the panel goes on without the second.
TEST_F(MissingDataDialogTest, AFailureStopsAtItsRowAndClosingThePanelGoesOn)
{
    AddWork(company->ann, 11, L"Legacy", L"Logo", L"Labor");
    company->BuildPreview();
    Open();
    Click("Employee", "2");
    Click("Customer", "Legacy");
    Click("Customer", "Northwind");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();

    EXPECT_EQ(std::wstring::npos, Rows().find(L"Bob Baker"));
    EXPECT_FALSE(IsChecked("Customer", "Legacy"));
    EXPECT_EQ(L"false", page->Attribute(Row("Customer", "Legacy"), "rowselect"));
    EXPECT_TRUE(IsChecked("Customer", "Northwind"));
    EXPECT_TRUE(page->HasState("#ErrorBodyDialog", STATE_EXPANDED));
    EXPECT_EQ(L"Cannot create customer", page->Text("#idErrorDialogTitle"));
    EXPECT_EQ(L"Cannot create customer \"Legacy\"", page->Text("#idErrorDialogProblemText"));
    EXPECT_EQ(L"There is existing customer item with the same name", page->Text("#idErrorDialogReasonText"));
    EXPECT_EQ(L"Creating Selected Items in QuickBooks", page->Text("#idCreateMissingDataButton"));
    EXPECT_TRUE(page->HasState(Row("Customer", "Northwind") + " button", STATE_DISABLED));

    page->Click("#idErrorDialogCloseButton");

    dialog->AwaitCreation();
    EXPECT_TRUE(page->HasState("#ErrorBodyDialog", STATE_COLLAPSED));
    EXPECT_EQ(std::wstring::npos, Rows().find(L"Customer Northwind;"));
    EXPECT_NE(std::wstring::npos, Rows().find(L"Customer Legacy;"));
    EXPECT_EQ(L"Create Selected Items in QuickBooks", page->Text("#idCreateMissingDataButton"));
    EXPECT_FALSE(page->HasState(Row("Customer", "Legacy") + " button", STATE_DISABLED));
}

// Escape during an interrupted creation closes the dialog: a cancel key never starts a write.
TEST_F(MissingDataDialogTest, EscapeDuringAnInterruptedCreationClosesTheDialogAndCreatesNothingMore)
{
    AddWork(company->ann, 11, L"Legacy", L"Logo", L"Labor");
    company->BuildPreview();
    Open();
    Click("Customer", "Legacy");
    Click("Customer", "Northwind");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    ASSERT_TRUE(page->HasState("#ErrorBodyDialog", STATE_EXPANDED));

    PressWindowKey(dialog->Window(), VK_ESCAPE);
    EXPECT_FALSE(IsWindow(dialog->Window()));
    EXPECT_THROW(company->model->GetCustomerJobs()->FindByFullName(L"Northwind"), NotFoundException);
    EXPECT_TRUE(dialog->IsDataChanged());
}

// The dialog opens on the first row that can be checked. Once everything is created the table
// is empty, the create button disabled, and the focus stays in the window.
TEST_F(MissingDataDialogTest, AfterTheLastItemIsCreatedTheTableIsEmpty)
{
    // Dee's item, the one that cannot be created, is no one's.
    company->config->GetEmployeeMappings()->GetBySource(L"4")->SetState(Mapping::DoNotImport);
    Open();
    EXPECT_TRUE(page->HasState(Row("Employee", "2") + " button", STATE_FOCUS));
    Click("Employee", "2");
    Click("Customer:Job", "Design:Logo");
    Click("Customer:Job", "Northwind:Deck");
    Click("Service Item", "Design");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_TRUE(page->FindAll("#MissingItemItemId>*").empty());
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));
    EXPECT_TRUE(SomethingFocused());
}

// Names, the notes made of them and the error panel's problem line, each escaped exactly once.
TEST_F(MissingDataDialogTest, NamesAreShownAsTypedInTheTableAndTheErrorPanel)
{
    const char kTyped[] = "Night \"&\" <'1'>";
    const char kSixLevels[] = "a:b:c:d:e:Night \"&\" <'1'>";
    const std::wstring typed(kTyped, kTyped + strlen(kTyped));
    AddWork(company->ann, 11, L"R&D <West>", L"Logo", typed);
    AddWork(company->ann, 12, L"Acme", L"Roof", L"a:b:c:d:e:" + typed);
    company->BuildPreview();
    Open();
    EXPECT_EQ(L"R&D <West>", page->Text(Row("Customer", "R&D <West>") + " span[name=name]"));
    EXPECT_EQ(typed, page->Text(Row("Service Item", kTyped) + " span[name=name]"));
    EXPECT_EQ(L"Quorvane billing type '" + typed + L"'", page->Text(Row("Service Item", kTyped) + ">td.notes"));
    const std::wstring refusal = L"This service item name has 6 levels but only 5 are allowed. Please replace the ':' "
                                 L"character in name 'a:b:c:d:e:" +
                                 typed + L"' with other one.";
    EXPECT_EQ(refusal, page->Text(Row("Service Item", kSixLevels) + ">td.notes"));

    InjectFault("{'stage':'Response','request':'ItemServiceAdd','shape':'Status','status':3100,'message':'In use'}");
    Click("Service Item", kTyped);
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_EQ(L"Cannot create service item \"" + typed + L"\"", page->Text("#idErrorDialogProblemText"));
    EXPECT_EQ(L"There is existing service item item with the same name", page->Text("#idErrorDialogReasonText"));
    page->Click("#idErrorDialogCloseButton");
    dialog->AwaitCreation();

    Seed("{'Customers':[{'ListID':'C7','Name':'R&D <West>'}]}");
    Click("Customer", "R&D <West>");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_EQ(L"Cannot create customer \"R&D <West>\"", page->Text("#idErrorDialogProblemText"));
}

// A name convention the program does not know keeps every service item from being named: the
// dialog opens all the same and says so where the list would be.
TEST_F(MissingDataDialogTest, AListThatCannotBeMadeSaysWhyInTheWindow)
{
    company->config->SetServiceItemGroup(false);
    company->config->SetNameConvention(7);
    Open();
    EXPECT_EQ(L"The missing items cannot be listed. Please check how service items are named on the import "
              L"settings tab, then hit 'Reload' on the main Pellworth window and open this list again.",
              page->Text("#MissingItemItemId td.unavailable"));
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));
}

int g_questions = 0;
bool g_stop = false;

bool AnswerQuestion(HWND)
{
    ++g_questions;
    return g_stop;
}

// The click returns while QuickBooks works; closing then asks, and "no" keeps the dialog and
// the creation going. Once it has ended, the dialog closes without a question.
TEST_F(MissingDataDialogTest, TheCreationRunsBesideTheWindowAndClosingAsksFirst)
{
    g_questions = 0;
    g_stop = false;
    SetStopCreationQuestion(&AnswerQuestion);
    Open();
    Click("Customer", "Northwind");
    Click("Customer", "Design");
    page->Click("#idCreateMissingDataButton");
    EXPECT_TRUE(dialog->IsCreatingItems());
    EXPECT_EQ(0u, page->Text("#idCreateMissingDataButton").find(L"Creating Selected Items in QuickBooks"));
    SendMessageW(dialog->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(1, g_questions);
    EXPECT_TRUE(IsWindow(dialog->Window()));
    dialog->AwaitCreation();
    EXPECT_EQ(std::wstring::npos, Rows().find(L"Customer Northwind;"));
    EXPECT_EQ(std::wstring::npos, Rows().find(L"Customer Design;"));
    SendMessageW(dialog->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(1, g_questions);
    EXPECT_FALSE(IsWindow(dialog->Window()));
    SetStopCreationQuestion(nullptr);
}

TEST_F(MissingDataDialogTest, HeaderClicksSortTheRows)
{
    Open();
    page->Click("#idHeaderName");
    EXPECT_EQ(0u, Rows().find(L"Employee Bob Baker; Customer Design; Service Item Design; Customer:Job Design:Logo; "));
    EXPECT_EQ(L"(none)", page->Attribute("#idHeaderDataType img", "src"));
    page->Click("#idHeaderDataType");
    EXPECT_EQ(0u, Rows().find(L"Employee Bob Baker; Customer Design; Customer Northwind;"));
    page->Click("#idHeaderDataType");
    EXPECT_EQ(0u, Rows().find(L"Service Item Finish"));
}

}  // namespace

// The columns keep to the table's box, with rows and once the list is empty.
TEST_F(MissingDataDialogTest, TheColumnsFitTheirBoxAndStayPutWhenTheListEmpties)
{
    Open();
    const RECT area = page->Find("#MissingItemsArea").get_location(LOCATION_VIEW_BORDER_BOX);
    const auto headerEdges = [this]() {
        std::vector<LONG> edges;
        for (const element& header : page->FindAll("#MissingItemTable th"))
            edges.push_back(header.get_location(LOCATION_VIEW_BORDER_BOX).right);
        return edges;
    };
    const std::vector<LONG> withRows = headerEdges();
    ASSERT_EQ(5u, withRows.size());
    EXPECT_LE(withRows.back(), area.right);

    element tbody = page->Find("#MissingItemItemId");
    tbody.set_html(reinterpret_cast<const unsigned char*>(""), 0);
    tbody.update(true);
    EXPECT_EQ(withRows, headerEdges());
}
