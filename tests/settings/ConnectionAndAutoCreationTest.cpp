// The server connection and auto-creation tabs: their controls filled from the working copy and
// read back on "Save Settings".
#include "SettingsPage.h"

#include "htmlengine/api/EngineTestHooks.h"
#include "ui/dialogs/settings/PageControls.h"

using namespace Quorvane;

namespace {

class ConnectionTab : public SettingsPage {
protected:
    void SetOptions(const std::wstring& password, bool remember)
    {
        Config::ConnectionOptions options;
        options.url = L"https://timetracking.example.com/quorvane?team=a&b=\"c\"";
        options.userName = L"o'hara <admin>";
        options.password = password;
        options.rememberPassword = remember;
        options.siteChangeAccepted = true;
        company.config->SetConnectionOptions(options);
    }
    std::wstring Shown(const char* id) { return *settings_page::ReadTextValue(ById(id)); }
    void Type(const char* id, const wchar_t* text)
    {
        settings_page::SetTextValue(ById(id), L"");
        HTMLayoutTestType(dialog->Window(), ById(id), text);
    }
    Config::ConnectionOptions Saved()
    {
        page.Click(ById("Save"));
        return *dialog->GetConfig()->GetConnectionOptions();
    }
};

TEST_F(ConnectionTab, ShowsThePasswordOnlyWhenItIsRemembered)
{
    SetOptions(L"s3cret&<", true);
    Open();
    EXPECT_EQ(company.config->GetConnectionOptions()->url, Shown("Quorvane_URL"));
    EXPECT_EQ(L"o'hara <admin>", Shown("Quorvane_Username"));
    EXPECT_EQ(L"s3cret&<", Shown("Quorvane_Password"));

    SetOptions(L"s3cret", false);
    Open();
    EXPECT_EQ(L"", Shown("Quorvane_Password"));
    EXPECT_EQ(L"o'hara <admin>", Shown("Quorvane_Username"));
}

TEST_F(ConnectionTab, SavingRemembersAPasswordAndForgetsAnEmptyOne)
{
    SetOptions(L"", false);
    Open();
    Type("Quorvane_Password", L"new pass");
    Type("Quorvane_URL", L"https://a-much-longer-address-than-twenty.example.com:8443/");
    Config::ConnectionOptions saved = Saved();
    EXPECT_EQ(L"new pass", saved.password);
    EXPECT_TRUE(saved.GetRememberPassword());
    EXPECT_EQ(L"https://a-much-longer-address-than-twenty.example.com:8443/", saved.url);
    EXPECT_EQ(L"o'hara <admin>", saved.userName);
    EXPECT_TRUE(saved.GetSiteChangeAccepted()) << "kept as it was";

    SetOptions(L"old", true);
    Open();
    Type("Quorvane_Password", L"");
    saved = Saved();
    EXPECT_EQ(L"", saved.password);
    EXPECT_FALSE(saved.GetRememberPassword());
    EXPECT_EQ(L"old", company.config->GetConnectionOptions()->password) << "the model's settings are not the copy";
}

TEST_F(ConnectionTab, AMissingInputKeepsItsStoredValue)
{
    SetOptions(L"kept", true);
    Open();
    Element password = ById("Quorvane_Password");
    password.detach();
    const Config::ConnectionOptions saved = Saved();
    EXPECT_EQ(L"kept", saved.password);
    EXPECT_TRUE(saved.GetRememberPassword());
}

class AutoCreationPage : public SettingsPage {
protected:
    std::string Checked()
    {
        std::string checked;
        for (const char* id :
             { "autoCreation_Customer", "autoCreation_Job", "autoCreation_ServiceItem", "autoCreation_Employees" })
            checked += HasState(ById(id), STATE_CHECKED) ? "1" : "0";
        return checked;
    }
};

TEST_F(AutoCreationPage, TheDefaultWordChecksOnlyJobs)
{
    Open();
    EXPECT_EQ("0100", Checked());
    page.Click(ById("autoCreation_Job"));
    page.Click(ById("Save"));
    EXPECT_EQ(0, dialog->GetConfig()->GetAutoCreationFlags());
}

TEST_F(AutoCreationPage, SavingRebuildsTheWordFromTheFourBoxes)
{
    company.config->SetAutoCreationFlags(0xFF);
    Open();
    EXPECT_EQ("1111", Checked());
    page.Click(ById("autoCreation_Customer"));
    page.Click(ById("Save"));
    EXPECT_EQ(Config::CreateJobs | Config::CreateServiceItems | Config::CreateEmployees,
              dialog->GetConfig()->GetAutoCreationFlags());
}

}  // namespace
