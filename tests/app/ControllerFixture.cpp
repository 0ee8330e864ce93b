#include "ControllerFixture.h"

#include <cwchar>

#include "app/ShellOpen.h"
#include "core/CompanyConfig.h"
#include "TestCompany.h"

using namespace Quorvane;

const char kCompany[] =
    "{'CompanyName':'Sim Co',"
    " 'Preferences':{'TimeTrackingEnabled':true,'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Employees':[{'ListID':'E-ANNA','EditSequence':'100','FirstName':'Anna','LastName':'Berg'}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}]}";

std::wstring ScratchFolder(KnownFolder folder)
{
    wchar_t path[MAX_PATH + 64];
    const DWORD length = GetTempPathW(MAX_PATH, path);
    swprintf(path + length, 64, L"pellworth-app-test-%lu\\%ls", GetCurrentProcessId(),
             folder == CommonDocumentsFolder ? L"documents" : L"appdata");
    return path;
}

std::vector<std::wstring> g_opened;

namespace {

bool RecordOpen(const std::wstring& target)
{
    g_opened.push_back(target);
    return true;
}

}  // namespace

boost::shared_ptr<Config> ScriptedDialogs::RunSettings(HWND, const boost::shared_ptr<MainModel>&, SettingsTab tab)
{
    shownTab = tab;
    ++shown;
    return settingsResult;
}

void ControllerTest::SetUp()
{
    SimulatedQuickBooks::SetUp();
    Seed(kCompany);
    SetKnownFolderProvider(&ScratchFolder);
    SetShellOpener(&RecordOpen);
    SetDialogRunner(&m_dialogs);
    g_opened.clear();
    DeleteFileW(GetConfigFilePath(L"Sim Co").c_str());
    MakeController();
}

void ControllerTest::MakeController()
{
    if (m_controller)
        m_controller->ReleaseViewAndModel();
    m_view.reset(new FakeMainView());
    m_model.reset(new MainModel());
    m_controller.reset(new MainController(m_view, m_model));
}

void ControllerTest::TearDown()
{
    m_controller->ReleaseViewAndModel();
    EXPECT_EQ(0, m_view->WrongThreadCalls());
    SetDialogRunner(NULL);
    SetShellOpener(NULL);
    SetKnownFolderProvider(NULL);
    SimulatedQuickBooks::TearDown();
}

Calls ControllerTest::Settle()
{
    EXPECT_TRUE(m_controller->WaitForLoadIdle(20000));
    PumpFor(100);
    return m_view->Take();
}

boost::shared_ptr<Config> ControllerTest::InstallSettings(const std::wstring& password)
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = L"http://localhost:1";
    options.userName = L"anna";
    options.password = password;
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    m_model->SetCompanyInformation(L"Sim Co");
    m_model->SetConfig(config);
    return config;
}

void LiveLoad::SetUp()
{
    ControllerTest::SetUp();
    Seed("{'CompanyName':'Sim Co',"
         " 'Preferences':{'TimeTrackingEnabled':true,'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
         " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8}],"
         " 'Employees':[{'ListID':'E-RYAN','EditSequence':'1','FirstName':'Ryan','LastName':'Patel'}]}");
    m_server.reset(new DemoServer("plain"));
    m_server->Reset();
}

boost::shared_ptr<Config> LiveLoad::DemoSettings(const wchar_t* password, bool valid, const wchar_t* serverUuid)
{
    boost::shared_ptr<Config> config(new Config());
    Config::ConnectionOptions options;
    options.url = m_server->Address();
    options.userName = L"JSmith";
    options.password = password;
    options.rememberPassword = true;
    config->SetConnectionOptions(options);
    config->SetServerUuid(serverUuid);
    config->SetImportLeaveType(false);
    if (valid) {
        config->SetMappingType(1);
        config->SetServiceItemAccount(L"A-INC");
        TestCompany rules;
        rules.config = config;
        for (const wchar_t* id : { L"7", L"12", L"15", L"21", L"23", L"26", L"30" })
            rules.MapEmployee(id, L"", Mapping::DoNotImport);
    }
    return config;
}

void LiveLoad::StoreSettings(const wchar_t* password, bool valid, const wchar_t* serverUuid)
{
    ASSERT_TRUE(SaveConfig(L"Sim Co", DemoSettings(password, valid, serverUuid)));
}

Calls LiveLoad::Progress(const Calls& shown)
{
    Calls progress;
    for (const std::string& call : shown) {
        if (call.compare(0, 19, "SetDataLoadProgress") == 0)
            progress.push_back(call);
    }
    return progress;
}
