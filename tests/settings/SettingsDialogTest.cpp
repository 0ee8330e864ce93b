// The dialog as a whole on the real page: which tab it opens on, the page's script calls, the
// tab icons, and how "Save Settings", "Cancel" and Escape end it.
#include "SettingsPage.h"

#include <vector>

#include "core/Mapping.h"
#include "tests/support/WindowKeys.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace Quorvane;

namespace {

class SettingsDialogTest : public SettingsPage {
protected:
    std::wstring CurrentTab()
    {
        const std::vector<Element> current = page.FindAll(".settingsStrip > [panel]:current");
        const std::vector<Element> shown = page.FindAll("body > .tabs > [name]:expanded");
        if (current.size() != 1 || shown.size() != 1)
            return L"not exactly one current tab";
        return AttributeOf(current[0], "panel") + L" " + AttributeOf(shown[0], "name");
    }
    bool Call(const char* name)
    {
        XCALL_PARAMS params = { METHOD_SCRIPT_CALL, name, 0, 0, {} };
        return dialog->handle_scripting_call(page.Root(), params);
    }
};

TEST_F(SettingsDialogTest, PageLoadsWithoutEngineComplaints)
{
    Open();
    EXPECT_EQ(L"", page.Errors());
    wchar_t caption[64] = {};
    GetWindowTextW(dialog->Window(), caption, 64);
    EXPECT_STREQ(L"Quorvane Pellworth - Settings", caption);
}

TEST_F(SettingsDialogTest, OpensOnTheTabOfTheFirstProblem)
{
    const struct {
        int initialTab;
        const wchar_t* shown;
    } cases[] = { { 0, L"idImportSettings_Tab idImportSettings_Tab" },
                  { 1, L"idAutoCreation_Tab idAutoCreation_Tab" },
                  { 2, L"idImportSettings_Tab idImportSettings_Tab" },
                  { 3, L"idEmployeeMapping_Tab idEmployeeMapping_Tab" },
                  { 4, L"idLeaveTimeAndPayroll_Tab idLeaveTimeAndPayroll_Tab" },
                  { 5, L"idLeaveTimeAndPayroll_Tab idLeaveTimeAndPayroll_Tab" },
                  { 9, L"idImportSettings_Tab idImportSettings_Tab" } };
    for (const auto& c : cases) {
        Open(c.initialTab);
        EXPECT_EQ(c.shown, CurrentTab()) << c.initialTab;
        page.Click(page.Find(".settingsStrip > [panel=idQuorvane_Tab]"));
        EXPECT_EQ(L"idQuorvane_Tab idQuorvane_Tab", CurrentTab()) << c.initialTab;
    }
}

// The import tab's long page must not squeeze the heading or the footer: the tab strip and the
// buttons stay put from tab to tab.
TEST_F(SettingsDialogTest, TheTabStripAndTheFooterKeepTheirPlaceOnEveryTab)
{
    Open(0);
    const auto edges = [this]() {
        const RECT strip = page.Find(".settingsStrip").get_location(LOCATION_VIEW_BORDER_BOX);
        const RECT footer = page.Find("#SettingsFooter").get_location(LOCATION_VIEW_BORDER_BOX);
        return std::vector<LONG> { strip.top, strip.bottom, footer.top, footer.bottom };
    };
    const std::vector<LONG> first = edges();
    for (const char* tab : { "idEmployeeMapping_Tab", "idLeaveTimeAndPayroll_Tab", "idQuorvane_Tab" }) {
        page.Click(page.Find((std::string(".settingsStrip > [panel=") + tab + "]").c_str()));
        EXPECT_EQ(first, edges()) << tab;
    }
}

// Without a mouse: the dialog opens on the first control of its tab; Shift+Tab reaches the tab
// strip, whose current tab then draws the focus ring, and the arrows change the tab.
TEST_F(SettingsDialogTest, TheTabStripTakesTheKeyboardAndShowsIt)
{
    AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
    Open(0);
    EXPECT_TRUE(HasState(ById("mappingType"), STATE_FOCUS));
    const auto ring = [this] {
        const std::string tab = ".settingsStrip > [panel]:current";
        return page.Style(tab, "outline");
    };
    const std::wstring unfocused = ring();
    PressWindowKey(dialog->Window(), VK_TAB, VK_SHIFT);
    EXPECT_TRUE(page.HasState("body > .tabs", STATE_FOCUS));
    EXPECT_NE(unfocused, ring());
    PressWindowKey(dialog->Window(), VK_RIGHT);
    EXPECT_EQ(L"idEmployeeMapping_Tab idEmployeeMapping_Tab", CurrentTab());
    EXPECT_NE(unfocused, ring());

    // The mapping table's column title sorts by Enter as by a click.
    page.Focus(page.Find("#mappingTable th.user-column .column-title"));
    PressWindowKey(dialog->Window(), VK_RETURN);
    EXPECT_EQ(L"desc", AttributeOf(page.Find("#mappingTable th.user-column"), "sorted"));
}

TEST_F(SettingsDialogTest, TabIconsShowWhichMappingsAreComplete)
{
    AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
    MapPayroll(L"1", L"", Mapping::NoPayrollItemRequired);
    Open();
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", AttributeOf(ById("idImportSettings_Tab_Img"), "src"));
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", AttributeOf(ById("idEmployeeMapping_Tab_Img"), "src"));
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", AttributeOf(ById("idLeaveTimeAndPayroll_Tab_Img"), "src"));
}

TEST_F(SettingsDialogTest, AChangeSavesOnlyTheCurrentTabThenRefreshesAll)
{
    AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
    company.AddPayrollItem(L"P-H", L"Hourly");
    Open(3);
    settings_page::SetTextValue(ById("Quorvane_Username"), L"typed on another tab");
    page.ChooseAt(ById("1"), 1);  // "--new-- (Ann  Ash)"
    EXPECT_EQ(Mapping::CreateNew, dialog->GetConfig()->GetEmployeeMappings()->GetBySource(L"1")->GetState());
    EXPECT_EQ(L"", dialog->GetConfig()->GetConnectionOptions()->userName);
    EXPECT_TRUE(ById("pr1").is_valid()) << "the working-time table follows the new mapping";
}

TEST_F(SettingsDialogTest, ScriptCallsOfOtherNamesGoToTheCurrentTabOrTheDefault)
{
    Open(3);
    EXPECT_TRUE(Call("UpdateEmptyTableComment"));
    EXPECT_FALSE(Call("updateEmptyTableComment")) << "names are exact";
    EXPECT_FALSE(Call("NoSuchCall"));
    EXPECT_FALSE(Call("updateMappingIcon")) << "the icons change, the call goes on to the default";
    page.Click(page.Find(".settingsStrip > [panel=idImportSettings_Tab]"));
    EXPECT_FALSE(Call("UpdateEmptyTableComment"));
}

TEST_F(SettingsDialogTest, SaveSettingsEndsWithOkAndTheEditedCopy)
{
    company.config->SetMappingType(2);
    Open();
    page.Choose(ById("mappingType"), L"1");
    page.Click(ById("autoCreation_Employees"));
    page.Click(ById("Save"));
    EXPECT_EQ(1, dialog->Result());
    EXPECT_EQ(1, dialog->GetConfig()->GetMappingType());
    EXPECT_TRUE(dialog->GetConfig()->HasAutoCreationFlag(Config::CreateEmployees));
    EXPECT_NE(company.config, dialog->GetConfig());
    EXPECT_EQ(2, company.config->GetMappingType()) << "the caller installs the copy";
    EXPECT_TRUE(PumpUntil([this] { return !IsWindow(dialog->Window()); }));
}

TEST_F(SettingsDialogTest, CancelAndEscapeEndWithoutOk)
{
    company.config->SetMappingType(2);
    Open();
    page.Choose(ById("mappingType"), L"1");
    page.Click(ById("cancel"));
    EXPECT_EQ(2, dialog->Result());
    EXPECT_TRUE(PumpUntil([this] { return !IsWindow(dialog->Window()); }));
    EXPECT_EQ(2, company.config->GetMappingType());

    Open();
    page.Choose(ById("mappingType"), L"1");
    PressEscape();
    EXPECT_TRUE(PumpUntil([this] { return !IsWindow(dialog->Window()); }));
    EXPECT_NE(1, dialog->Result());
    EXPECT_EQ(2, company.config->GetMappingType());
}

}  // namespace
