#include <gtest/gtest.h>

#include "../core/ScratchFolders.h"
#include "DialogHarness.h"
#include "MissingItemsCompany.h"
#include "core/CompanyConfig.h"
#include "ui/dialogs/details/DetailsDialog.h"

using htmlayout::dom::element;

namespace {

class MissingItemsTabTest : public MissingItemsCompany {
protected:
    void Open(const wchar_t* userId)
    {
        dialog.reset(new OpenedDialog<DetailsDialog>(nullptr, company->model));
        dialog->SetEmployeeId(userId);
        dialog->OpenOrThrow(136);
        page.reset(new PageProbe(dialog->Window()));
        DeleteFileW(SettingsFile().c_str());
    }

    void Check(const char* name)
    {
        page->Click(std::string("#MissingItemItemId>tr[valueName=\"") + name + "\"] button");
    }
    std::wstring Names() const { return page->Texts("#MissingItemItemId span[name=name]"); }
    static std::wstring SettingsFile() { return Quorvane::GetConfigFilePath(L"Sim Co"); }
    bool IsCurrent(const char* panel) const
    {
        return page->HasState(std::string("#detailsTab>.strip>[panel=") + panel + "]", STATE_CURRENT);
    }

    std::unique_ptr<OpenedDialog<DetailsDialog>> dialog;
    std::unique_ptr<PageProbe> page;
};

TEST_F(MissingItemsTabTest, ListsWhatTheChosenEmployeeLacksInFourColumns)
{
    Open(L"2");  // Bob: himself and Northwind
    EXPECT_EQ(L"Bob Baker|Northwind|Northwind:Deck", Names());
    EXPECT_EQ(4u, page->FindAll("#MissingItemItemId>tr:nth-child(1)>td").size());
    EXPECT_EQ(L"(none)", page->Attribute("#MissingItemItemId>tr", "rowselect"));
    Check("Northwind:Deck");
    EXPECT_EQ(L"true", page->Attribute("#MissingItemItemId>tr[valueName=\"Northwind\"]", "rowselect"));
}

TEST_F(MissingItemsTabTest, ACompletedRunRebuildsTheTableSavesAndReportsTheChange)
{
    Open(L"2");
    Check("2");
    Check("Northwind");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_EQ(L"Northwind:Deck", Names());
    EXPECT_TRUE(dialog->IsDataChanged());
    EXPECT_TRUE(TestSupport::FileExists(SettingsFile()));
    EXPECT_TRUE(page->HasState("#idCreateMissingDataButton", STATE_DISABLED));

    Check("Northwind:Deck");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_EQ(L"", Names());
    EXPECT_TRUE(IsCurrent("idWorkingLeaveTime_Tab"));
    EXPECT_TRUE(page->HasState("[panel=idMissingItems_Tab]", STATE_COLLAPSED));
    page->Flush();
    EXPECT_TRUE(page->HasState("#detailsTab", STATE_FOCUS)) << "the focus leaves the hidden tab for the strip";
}

// Items that cannot be listed are not "nothing missing": the tab stays and says why.
TEST_F(MissingItemsTabTest, ATabThatCannotListTheItemsSaysWhyInsteadOfVanishing)
{
    company->config->SetServiceItemGroup(false);
    company->config->SetNameConvention(7);
    Open(L"1");
    EXPECT_FALSE(page->HasState("[panel=idMissingItems_Tab]", STATE_COLLAPSED));
    EXPECT_EQ(L"The missing items cannot be listed. Please check how service items are named on the import "
              L"settings tab, then hit 'Reload' on the main Pellworth window and open this list again.",
              page->Text("#MissingItemItemId td.unavailable"));
}

// The resumed run creates what is left, and that counts as a change too.
TEST_F(MissingItemsTabTest, AResumedRunSavesAgainAndCountsItsCreations)
{
    AddWork(company->bob, 9, L"Legacy", L"Logo", L"Labor");
    company->BuildPreview();
    Open(L"2");
    Check("Legacy");
    Check("Northwind");
    page->Click("#idCreateMissingDataButton");
    dialog->AwaitCreation();
    EXPECT_TRUE(page->HasState("#ErrorBodyDialog", STATE_EXPANDED));
    EXPECT_FALSE(dialog->IsDataChanged());
    EXPECT_TRUE(TestSupport::FileExists(SettingsFile()));
    DeleteFileW(SettingsFile().c_str());

    page->Click("#idErrorDialogCloseButton");

    dialog->AwaitCreation();
    EXPECT_TRUE(page->HasState("#ErrorBodyDialog", STATE_COLLAPSED));
    EXPECT_EQ(L"Bob Baker|Legacy|Legacy:Logo|Northwind:Deck", Names());
    EXPECT_TRUE(dialog->IsDataChanged());
    EXPECT_TRUE(TestSupport::FileExists(SettingsFile()));
}

}  // namespace
