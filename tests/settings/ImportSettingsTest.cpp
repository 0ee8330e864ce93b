// The import settings tab: the mapping type with its picture and description boxes, the service
// items, the account, the server's terms, and the round trip of every field.
#include "SettingsPage.h"

#include "core/Account.h"
#include "ui/toolkit/ElementHelpers.h"

using namespace Quorvane;

namespace {

class ImportSettingsPage : public SettingsPage {
protected:
    void SetUp() override
    {
        GeneralSettings terms;
        terms.firstLevelSingularForm = L"Client";
        terms.firstLevelPluralForm = L"Clients";
        terms.secondLevelSingularForm = L"Assignment <&> Twenty";  // 21 characters
        terms.secondLevelPluralForm = L"Assignments";
        terms.thirdLevelSingularForm = L"Task";
        terms.thirdLevelPluralForm = L"Tasks";
        company.model->SetGeneralSettings(terms);
        company.model->SetAccounts(boost::shared_ptr<AccountCollection>(new AccountCollection()));
        AddAccount(L"A1", L"Income:Labor & <Service>");
        AddAccount(L"A\"2'", L"Income:Other");
    }
    void AddAccount(const std::wstring& id, const std::wstring& name)
    {
        boost::shared_ptr<Account> account(new Account());
        account->SetId(id);
        account->SetName(name);
        company.model->GetAccounts()->Add(account);
    }
    void OpenWithType(int mappingType)
    {
        company.config->SetMappingType(mappingType);
        Open(2);
    }
    // "checked/disabled/note" of a description box.
    std::string Box(const char* id)
    {
        Element box = ById(id);
        Element note = page.Root().get_element_by_id((std::string(id) + "Note").c_str());
        std::string text = HasState(box, STATE_CHECKED) ? "checked" : "unchecked";
        text += HasState(box, STATE_DISABLED) ? " disabled" : " enabled";
        if (note.is_valid())
            text += AttributeOf(note, "class") == L"note" ? " note" : " no-note";
        return text;
    }
    std::wstring MappingImage() { return AttributeOf(ById("mappingImage"), "class"); }
    Config& Saved()
    {
        page.Click(ById("Save"));
        return *dialog->GetConfig();
    }
};

TEST_F(ImportSettingsPage, TheMappingTypeChoosesThePictureAndTheDescriptionBoxes)
{
    company.config->SetProjectNameDescription(true);
    company.config->SetTaskNameDescription(true);
    OpenWithType(2);
    EXPECT_EQ(L"two-levels-import", MappingImage());
    EXPECT_EQ(L"Import clients and assignments", Caption(ById("mappingType")));
    EXPECT_EQ(L"Import clients, assignments and tasks|Import clients and assignments|Import assignments only|"
              L"Import clients only|",
              Options(ById("mappingType")))
        << "the undefined choice is gone";
    EXPECT_EQ("unchecked disabled note", Box("projectNameDescription"));
    EXPECT_EQ("checked enabled no-note", Box("taskNameDescription"));
    EXPECT_EQ(L"- Assignments are imported as jobs.", TextOf(ById("projectNameDescriptionNote")));

    OpenWithType(1);
    EXPECT_EQ(L"three-levels-import", MappingImage());
    EXPECT_EQ("unchecked disabled note", Box("projectNameDescription"));
    EXPECT_EQ("unchecked disabled note", Box("taskNameDescription"));

    OpenWithType(9);  // not a type: shown as undefined
    EXPECT_EQ(L"mapping-not-defined", MappingImage());
    EXPECT_EQ(L"0", AttributeOf(htmlayout::get_select_caption(ById("mappingType")), "value"));
    EXPECT_EQ("checked enabled no-note", Box("projectNameDescription"));
}

// The shared sheet's look of buttons must not reach a select's own drop button.
TEST_F(ImportSettingsPage, EachSelectIsOneFieldWithItsDropButtonAtItsRightEdge)
{
    OpenWithType(2);
    for (const char* id : { "mappingType", "nameConvention", "serviceItemAccount" }) {
        const RECT field = ById(id).get_location(LOCATION_VIEW_BORDER_BOX);
        const RECT drop = ById(id).find_first("button").get_location(LOCATION_VIEW_BORDER_BOX);
        EXPECT_EQ(26, field.bottom - field.top) << id;
        EXPECT_TRUE(drop.top >= field.top && drop.bottom <= field.bottom) << id;
        EXPECT_LE(field.right - drop.right, 2) << id;
        EXPECT_LE(drop.right - drop.left, 22) << id;
    }
}

TEST_F(ImportSettingsPage, ChoosingAMappingTypeSavesItAndFollowsAtOnce)
{
    OpenWithType(0);
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", AttributeOf(ById("idImportSettings_Tab_Img"), "src"));
    page.Choose(ById("mappingType"), L"3");
    EXPECT_EQ(L"one-level-projects-import", MappingImage());
    EXPECT_EQ(3, dialog->GetConfig()->GetMappingType());
    EXPECT_EQ("unchecked disabled note", Box("projectNameDescription"));
    EXPECT_EQ("unchecked enabled no-note", Box("taskNameDescription"));
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", AttributeOf(ById("idImportSettings_Tab_Img"), "src"));
    EXPECT_EQ(0, company.config->GetMappingType()) << "the model's settings wait for OK";
}

// The tab's icon is drawn as the tick as soon as the tab is complete, not once the tab is left.
TEST_F(ImportSettingsPage, TheTabIconShowsTheTickAsSoonAsTheAccountIsChosen)
{
    company.config->SetServiceItemAccount(L"");
    OpenWithType(2);
    EXPECT_EQ(L"IDR_MAPPING_UNDEFINED.png", PaintedPicture(ById("idImportSettings_Tab_Img")));
    page.Choose(ById("serviceItemAccount"), L"A1");
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", PaintedPicture(ById("idImportSettings_Tab_Img")));
}

TEST_F(ImportSettingsPage, AnAccountQuickBooksNoLongerHasAsksForAChoice)
{
    company.config->SetServiceItemAccount(L"GONE");
    OpenWithType(2);
    Element accounts = ById("serviceItemAccount");
    EXPECT_EQ(L"-- Please select --", Caption(accounts));
    EXPECT_EQ(L"Income:Labor & <Service>|Income:Other|", Options(accounts));
    EXPECT_EQ(L"", Saved().GetServiceItemAccount());

    page.Choose(accounts, L"A\"2'");
    EXPECT_EQ(L"A\"2'", dialog->GetConfig()->GetServiceItemAccount());
    EXPECT_EQ(L"IDR_MAPPING_CORRECTED.png", AttributeOf(ById("idImportSettings_Tab_Img"), "src"));
}

TEST_F(ImportSettingsPage, EveryFieldRoundTrips)
{
    Config& config = *company.config;
    config.SetServiceItemAccount(L"A\"2'");
    config.SetServiceItemGroup(false);
    config.SetNameConvention(2);
    config.SetCanRemoveExistingQBTimeTrack(true);
    config.SetTimeTrackDescription(false);
    config.SetTaskNameDescription(true);
    OpenWithType(4);
    EXPECT_EQ(L"Income:Other", Caption(ById("serviceItemAccount")));
    EXPECT_EQ(L"First name M. Last name", Caption(ById("nameConvention")));
    Config saved = Saved();
    EXPECT_EQ(4, saved.GetMappingType());
    EXPECT_EQ(L"A\"2'", saved.GetServiceItemAccount());
    EXPECT_FALSE(saved.GetServiceItemGroup());
    EXPECT_EQ(2, saved.GetNameConvention());
    EXPECT_TRUE(saved.GetCanRemoveExistingQBTimeTrack());
    EXPECT_FALSE(saved.GetTimeTrackDescription());
    EXPECT_TRUE(saved.GetTaskNameDescription());
    EXPECT_FALSE(saved.GetProjectNameDescription());

    page.Click(ById("timeTrackDescription"));
    page.Click(ById("canRemoveExistinqQBTimeTrack"));
    page.Click(page.Find("[name='ServiceItemGroup'][value='1']"));
    EXPECT_FALSE(HasState(page.Find("[name='ServiceItemGroup'][value='2']"), STATE_CHECKED));
    page.Choose(ById("nameConvention"), L"1");
    saved = Saved();
    EXPECT_TRUE(saved.GetTimeTrackDescription());
    EXPECT_FALSE(saved.GetCanRemoveExistingQBTimeTrack());
    EXPECT_TRUE(saved.GetServiceItemGroup());
    EXPECT_EQ(2, saved.GetNameConvention()) << "billing types name the service items; the convention stays";
}

TEST_F(ImportSettingsPage, TheServerTermsFillEveryLabelCutToItsLength)
{
    OpenWithType(1);
    EXPECT_EQ(L"Client", TextOf(ById("QVCustomerNameId")));
    EXPECT_EQ(L"Assignment <&> Tw...", TextOf(ById("QVProjectName")));
    EXPECT_EQ(L"Assignment <&> ... (name with optional colon)", TextOf(ById("QVShortProjectNameId")));
    EXPECT_EQ(L"Assignment <&> Twenty Name - Assignments are imported as jobs.",
              TextOf(ById("projectNameDescription")));
}

}  // namespace
