// The controller driven through its notifications, with a recording view, the QuickBooks
// simulator and a scratch folder for settings and logs.
#include <gtest/gtest.h>

#include <cwchar>
#include <stdexcept>
#include <string>

#include <boost/bind/bind.hpp>

#include "ControllerFixture.h"
#include "TestCompany.h"
#include "app/ShellOpen.h"
#include "core/CompanyConfig.h"
#include "tools/qbsim/Control.h"

using namespace Quorvane;

namespace {

TEST_F(ControllerTest, NeedsAViewAndAModel)
{
    try {
        MainController(boost::shared_ptr<IMainView>(), m_model);
        FAIL();
    } catch (const std::invalid_argument& failure) {
        EXPECT_STREQ("view not initialized", failure.what());
    }
    try {
        MainController(m_view, boost::shared_ptr<MainModel>());
        FAIL();
    } catch (const std::invalid_argument& failure) {
        EXPECT_STREQ("model not initialized", failure.what());
    }
    m_controller->Show(true);
    EXPECT_EQ(Calls(1, "Run(true)"), m_view->Take());
}

struct LoadCase {
    const char* name;
    const char* seed;  // replaces the company when set
    const char* fault;  // injected when set
    const char* shown;
    const wchar_t* company;
};

TEST_F(ControllerTest, LoadsThatStopBeforeTheServer)
{
    const LoadCase cases[] = {
        { "QuickBooks not running", 0, "{'stage':'OpenConnection','hresult':'0x80040408'}",
          "ShowQuickBooksProblem(Cannot Connect to QuickBooks)", L"" },
        { "no payroll access",
          "{'CompanyName':'Sim Co','Preferences':{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':false}}}", 0,
          "ShowQuickBooksProblem(Cannot Get Payroll Information from QuickBooks)", L"" },
        { "timesheet off",
          "{'CompanyName':'Sim Co','Preferences':{'TimeTrackingEnabled':false,"
          "'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}}}",
          0, "ShowQuickBooksProblem(Quorvane Pellworth needs the timesheet to be turned on)", L"Sim Co" },
        { "no remembered password", 0, 0, "ShowLoginPanel(, , )", L"Sim Co" },
    };
    for (const LoadCase& c : cases) {
        QbSim::Control::ClearFaults();
        Seed(c.seed ? c.seed : kCompany);
        if (c.fault)
            InjectFault(c.fault);
        MakeController();
        m_controller->LoadData();
        EXPECT_EQ(Calls(1, c.shown), Settle()) << c.name;
        EXPECT_EQ(c.company, m_model->GetCompanyInformation()) << c.name;
        EXPECT_EQ(0, m_view->WrongThreadCalls()) << c.name;
    }
}

// Defaults in its place would be saved over it: the load stops and says which file and why.
TEST_F(ControllerTest, ASettingsFileThatCannotBeOpenedStopsTheLoad)
{
    boost::shared_ptr<Config> stored(new Config());
    stored->SetServerUuid(L"kept");
    ASSERT_TRUE(SaveConfig(L"Sim Co", stored));
    const std::wstring path = GetConfigFilePath(L"Sim Co");
    HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, exclusive);
    m_controller->LoadData();
    const Calls shown = Settle();
    CloseHandle(exclusive);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowQuickBooksProblem(Cannot Open the Settings of This Company)", shown.back());
    EXPECT_FALSE(m_model->GetConfig());
    boost::shared_ptr<Config> read(new Config());
    ASSERT_TRUE(LoadConfig(L"Sim Co", read));
    EXPECT_EQ(L"kept", read->GetServerUuid());
}

TEST_F(ControllerTest, ReloadsWhileLoadingEndInExactlyOneMoreLoad)
{
    QbSim::Control::SetLatency(300);
    m_controller->LoadData();
    Sleep(100);
    m_controller->ReloadData();
    m_controller->ReloadData();
    const Calls shown = Settle();
    QbSim::Control::SetLatency(0);
    const char* expected[] = { "SetDataLoadProgress(Preparing..., 0)", "SetDataLoadProgress(Preparing..., 0)",
                               "ShowLoginPanel(, , )" };
    EXPECT_EQ(Calls(expected, expected + 3), shown);
}

TEST_F(ControllerTest, ConfirmedSettingsKeepTheStoredPasswordAndReload)
{
    boost::shared_ptr<Config> old = InstallSettings(L"secret");
    old->SetMappingType(0);
    m_dialogs.settingsResult.reset(new Config(*old));
    Config::ConnectionOptions typed = *old->GetConnectionOptions();
    typed.password.clear();
    m_dialogs.settingsResult->SetConnectionOptions(typed);

    m_controller->OpenSettings();

    EXPECT_EQ(SettingsTab::ImportSettings, m_dialogs.shownTab);
    EXPECT_EQ(m_dialogs.settingsResult, m_model->GetConfig());
    boost::shared_ptr<Config> saved(new Config());
    ASSERT_TRUE(LoadConfig(L"Sim Co", saved));
    EXPECT_EQ(L"secret", saved->GetConnectionOptions()->password);
    EXPECT_EQ("SetDataLoadProgress(Preparing..., 0)", Settle().front());
}

TEST_F(ControllerTest, SettingsNotConfirmedChangeNothing)
{
    boost::shared_ptr<Config> old = InstallSettings(L"secret");
    m_controller->OpenSettings();
    EXPECT_EQ(old, m_model->GetConfig());
    EXPECT_TRUE(Settle().empty());
}

// Created items are in the model already: the summary shows them at once, without a reload,
// with its rows unticked and so nothing selected.
TEST_F(ControllerTest, CreatedMissingItemsRefreshTheSummaryWithoutALoadOrASelection)
{
    InstallSettings(L"")->GetSelectedEmployees()->insert(L"1");
    m_controller->ShowMissingData();
    EXPECT_TRUE(Settle().empty());
    m_dialogs.missingDataChanged = true;
    m_controller->ShowMissingData();
    EXPECT_EQ(Calls { "RefreshSummary()" }, Settle());
    EXPECT_TRUE(m_model->GetConfig()->GetSelectedEmployees()->empty());
}

TEST_F(ControllerTest, OnlyNewDatesStartALoad)
{
    boost::shared_ptr<Config> config = InstallSettings(L"");
    DateRange range = config->GetPeriod();
    m_controller->ChangeDateRange(range);
    EXPECT_TRUE(Settle().empty());

    range.SetStart(range.GetStart());  // the same dates as a custom range
    m_controller->ChangeDateRange(range);
    EXPECT_TRUE(Settle().empty());
    EXPECT_EQ(DateRange::CustomType, m_model->GetConfig()->GetPeriod().GetRangeType());

    range.SetStart(DateTime(1, 1, 2012));
    m_controller->ChangeDateRange(range);
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("SetDataLoadProgress(Preparing..., 0)", shown.front());
}

TEST_F(ControllerTest, AUserNotToImportIsNeverSelected)
{
    boost::shared_ptr<Config> config = InstallSettings(L"");
    TestCompany rules;
    rules.config = config;
    rules.MapEmployee(L"7", L"", Mapping::DoNotImport);
    rules.MapEmployee(L"8", L"E-ANNA");
    m_controller->SelectEmployee(L"7", true);
    m_controller->SelectEmployee(L"8", true);
    EXPECT_EQ(Config::EmployeeSelection({ L"8" }), *m_model->GetConfig()->GetSelectedEmployees());
}

TEST_F(ControllerTest, OpensOnlyWebLinksTheLastLogAndTheLogFolder)
{
    InstallSettings(L"");
    m_controller->OpenLink(L"https://example.com/guide");
    m_controller->OpenLink(L"file:///C:/windows/notepad.exe");
    m_controller->OpenImportLog();
    m_controller->OpenImportHistory();
    ASSERT_EQ(2u, g_opened.size());
    EXPECT_EQ(L"https://example.com/guide", g_opened[0]);
    EXPECT_EQ(ScratchFolder(CommonDocumentsFolder) + L"\\Quorvane\\QB Import Logs\\Imported to Sim Co\\", g_opened[1]);
}

bool RefuseOpen(const std::wstring&)
{
    return false;
}

TEST_F(ControllerTest, AFolderTheShellCannotOpenIsExplainedWithItsPlace)
{
    InstallSettings(L"");
    m_view->Take();
    SetShellOpener(&RefuseOpen);
    m_controller->OpenImportHistory();
    const std::wstring folder =
        ScratchFolder(CommonDocumentsFolder) + L"\\Quorvane\\QB Import Logs\\Imported to Sim Co\\";
    EXPECT_EQ(Calls { "ShowError(Cannot open the import history, Cannot open " +
                      std::string(folder.begin(), folder.end()) + ", , 0)" },
              m_view->Take());
}

}  // namespace

namespace {

TEST_F(LiveLoad, ASuccessfulLoadReportsEachStepAndShowsTheSummary)
{
    StoreSettings(L"secret", true);
    m_controller->LoadData();
    const Calls shown = Settle();
    const char* steps[] = { "SetDataLoadProgress(Preparing..., 0)",
                            "SetDataLoadProgress(Load Data from Quorvane..., 10)",
                            "SetDataLoadProgress(Load Data from Quorvane..., 30)",
                            "SetDataLoadProgress(Load Data from QuickBooks..., 40)",
                            "SetDataLoadProgress(Load Data from QuickBooks..., 60)",
                            "SetDataLoadProgress(Load Data from QuickBooks..., 70)",
                            "SetDataLoadProgress(Mapping..., 80)",
                            "SetDataLoadProgress(Finishing..., 100)" };
    EXPECT_EQ(Calls(steps, steps + 8), Progress(shown));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("RefreshSummary()", shown.back()) << ::testing::PrintToString(shown);
    EXPECT_TRUE(m_model->GetConfig()->GetLoadedPeriod() == m_model->GetConfig()->GetPeriod());
}

TEST_F(LiveLoad, MappingProblemsStopBeforeThePreview)
{
    StoreSettings(L"secret", false);
    m_controller->LoadData();
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowMappingProblems()", shown.back());
    EXPECT_EQ(0, std::count(shown.begin(), shown.end(), "RefreshSummary()"));
    EXPECT_EQ(0u, m_model->GetEmployeeDiffs()->Count());
}

TEST_F(LiveLoad, LoginFailuresAndAChangedSite)
{
    StoreSettings(L"wrong", false);
    m_controller->LoadData();
    Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(std::string::npos,
              shown.back().find("Cannot connect to Quorvane, The specified username and/or password"))
        << shown.back();

    StoreSettings(L"secret", false, L"another-server");
    MakeController();
    m_controller->LoadData();
    shown = Settle();
    ASSERT_LE(2u, shown.size());
    EXPECT_EQ("HideLoginPanel()", shown.back());
    EXPECT_EQ(0u, shown[shown.size() - 2].find("ShowSiteWasChanged(http"));

    m_controller->ChangeSite();
    shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowMappingProblems()", shown.back());
    boost::shared_ptr<Config> accepted = m_model->GetConfig();
    EXPECT_NE(L"another-server", accepted->GetServerUuid());
    EXPECT_FALSE(accepted->GetServerUuid().empty());
    EXPECT_FALSE(accepted->GetConnectionOptions()->GetSiteChangeAccepted());
}

TEST_F(LiveLoad, ARefusedSiteChangeForgetsTheLogin)
{
    StoreSettings(L"secret", false, L"another-server");
    m_controller->LoadData();
    Settle();
    m_controller->InterruptChangingSite();
    const Calls shown = Settle();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("ShowLoginPanel(, , )", shown.back());
    EXPECT_EQ(L"another-server", m_model->GetConfig()->GetServerUuid());
}

// Leave of a type the server no longer lists is loaded and left out of the import; it does not
// stop the load.
TEST_F(LiveLoad, LeaveOfATypeTheServerNoLongerListsDoesNotStopTheLoad)
{
    boost::shared_ptr<Config> config = DemoSettings(L"secret", true);
    DateRange november;
    november.SetStart(DateTime(1, 11, 2026));
    november.SetEnd(DateTime(30, 11, 2026));
    config->SetPeriod(november);
    ASSERT_TRUE(SaveConfig(L"Sim Co", config));
    m_server->SetKnobs(L"{\"methods\": {\"QBService_v1.getAllLeaveTypes\": {\"mode\": \"raw\", "
                       L"\"body\": \"{\\\"result\\\": [{\\\"id\\\": 1, \\\"name\\\": \\\"Vacation\\\"}]}\"}}}");
    m_controller->LoadData();
    const Calls shown = Settle();
    m_server->Reset();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("RefreshSummary()", shown.back()) << ::testing::PrintToString(shown);
    EXPECT_EQ(1u, m_model->GetLeaveTypes()->Count());
}

struct LoginFailureCase {
    const char* name;
    const wchar_t* knobs;  // set on the demo server when given
    const wchar_t* address;  // replaces the demo server's when given
    const char* shown;  // caption and start of the error on the login panel
};

TEST_F(LiveLoad, EachLoginFailureShowsItsOwnText)
{
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(ClosedLocalPort()) + L"/rpc";
    const LoginFailureCase cases[] = {
        { "version below 3.2", L"{\"version\": \"3.1\"}", 0,
          "Quorvane version is not supported, Incorrect Quorvane version at the specified address." },
        { "account disabled", L"{\"loginResult\": \"error_account_disabled\"}", 0,
          "Cannot connect to Quorvane, Your account was disabled." },
        { "service missing", L"{\"services\": [\"SyncService_v1\"]}", 0,
          "Incorrect Quorvane version, Quorvane site at the specified address does not have Fenwold." },
        { "no access rights", L"{\"methods\": {\"QBService_v1.getAllLeaveTypes\": {\"mode\": \"no-rights\"}}}", 0,
          "Insufficient access rights, You do not have Generate Cost & Billing Reports access right." },
        { "unknown server error",
          L"{\"methods\": {\"SyncService_v1.getGeneralSettings\": {\"mode\": \"error\", \"code\": 42}}}", 0,
          "Can not connect to Quorvane, Unknown error occured." },
        { "server not found", 0, closed.c_str(), "The provided URL is not valid, The site at \xE2\x80\x98" },
        { "no address", 0, L"", "Cannot connect to Quorvane, The provided URL is not valid" },
        { "port out of range", 0, L"http://127.0.0.1:99999/rpc",
          "Cannot connect to Quorvane, The provided URL is not valid" },
    };
    for (const LoginFailureCase& c : cases) {
        boost::shared_ptr<Config> config = DemoSettings(L"secret", true);
        if (c.address) {
            Config::ConnectionOptions options = *config->GetConnectionOptions();
            options.url = c.address;
            config->SetConnectionOptions(options);
        }
        ASSERT_TRUE(SaveConfig(L"Sim Co", config)) << c.name;
        if (c.knobs)
            m_server->SetKnobs(c.knobs);
        MakeController();
        m_controller->LoadData();
        const Calls shown = Settle();
        m_server->Reset();
        ASSERT_FALSE(shown.empty()) << c.name;
        EXPECT_EQ(0u, shown.back().find("ShowLoginPanel(")) << c.name << ": " << shown.back();
        EXPECT_NE(std::string::npos, shown.back().find(c.shown)) << c.name << ": " << shown.back();
    }
}

}  // namespace

namespace {

struct PeriodCase {
    const char* name;
    DateTime end;  // of a custom period from 1 January 2012
    const char* fault;  // injected for the first load when set
};

TEST_F(LiveLoad, APeriodQuickBooksRefusesOrThatIsNoDateGivesWayToTheLoadedOne)
{
    const PeriodCase cases[] = {
        { "refused by QuickBooks", DateTime(31, 1, 2012),
          "{'stage':'DoRequests','request':'TimeTrackingQuery','hresult':'0x80040305'}" },
        { "not a calendar date", DateTime(31, 2, 2012), 0 },
    };
    for (const PeriodCase& c : cases) {
        QbSim::Control::ClearFaults();
        MakeController();
        StoreSettings(L"secret", true);
        boost::shared_ptr<Config> stored(new Config());
        ASSERT_TRUE(LoadConfig(L"Sim Co", stored));
        DateRange period;
        period.SetStart(DateTime(1, 1, 2012));
        period.SetEnd(c.end);
        stored->SetPeriod(period);
        ASSERT_TRUE(SaveConfig(L"Sim Co", stored));
        if (c.fault)
            InjectFault(c.fault);

        m_controller->LoadData();
        const Calls shown = Settle();

        ASSERT_FALSE(shown.empty()) << c.name;
        EXPECT_EQ("RefreshSummary()", shown.back()) << c.name;
        EXPECT_EQ(Config::DefaultRangeType, m_model->GetConfig()->GetPeriod().GetRangeType()) << c.name;
        EXPECT_TRUE(m_model->GetConfig()->GetPeriod() == m_model->GetConfig()->GetLoadedPeriod()) << c.name;
    }
}

}  // namespace
