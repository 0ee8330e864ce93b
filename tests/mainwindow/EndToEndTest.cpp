// The whole program as a bookkeeper uses it: the real view, controller and model, the demo
// server and the QuickBooks simulator. Log in by keyboard, select all, import, close, and the
// summary shows nothing left to change; QuickBooks holds the entries.
#include <algorithm>

#include "DemoChloe.h"
#include "TestCompany.h"
#include "UiDriver.h"
#include "app/Application.h"
#include "app/ShellOpen.h"
#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tests/server/DemoServer.h"
#include "tests/support/PageProbe.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"
#include "ui/main/MainView.h"

using namespace Quorvane;

namespace {

std::wstring ScratchFolder(KnownFolder folder)
{
    wchar_t path[MAX_PATH + 64];
    const DWORD length = GetTempPathW(MAX_PATH, path);
    swprintf(path + length, 64, L"pellworth-mainwindow-%lu\\%ls", GetCurrentProcessId(),
             folder == CommonDocumentsFolder ? L"documents" : L"appdata");
    return path;
}

bool IgnoreOpen(const std::wstring&)
{
    return true;
}

class LiveProgram : public QuickBooksTest::SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(
            "{'CompanyName':'Sim Co',"
            " 'Preferences':{'TimeTrackingEnabled':true,'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
            " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8}],"
            " 'Employees':[{'ListID':'E-CHLOE','EditSequence':'1','FirstName':'Chloe','LastName':'Lefevre'}],"
            " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}]}");
        SetKnownFolderProvider(&ScratchFolder);
        SetShellOpener(&IgnoreOpen);
        server_.reset(new DemoServer("plain"));
        server_->Reset();
        ASSERT_TRUE(SaveConfig(L"Sim Co", ChloeOnlyWithoutPassword()));
    }

    void TearDown() override
    {
        SetShellOpener(nullptr);
        SetKnownFolderProvider(nullptr);
        SimulatedQuickBooks::TearDown();
    }

    // Only Chloë is imported, and no password is remembered: the program asks for it.
    boost::shared_ptr<Config> ChloeOnlyWithoutPassword()
    {
        boost::shared_ptr<Config> config(new Config());
        Config::ConnectionOptions options;
        options.url = server_->Address();
        options.userName = L"JSmith";
        config->SetConnectionOptions(options);
        config->SetImportLeaveType(false);
        ImportOnlyChloe(config);
        return config;
    }

    static int QuickBooksEntries()
    {
        return static_cast<int>(QbSim::Json::Parse(QbSim::Control::Snapshot()).Get(L"TimeEntries").Items().size());
    }

    bool Shown(const char* selector) { return page.HasState(selector, STATE_EXPANDED); }
    size_t Count(const char* selector) { return page.FindAll(selector).size(); }
    void TypeKeys(const std::wstring& text)
    {
        for (wchar_t c : text)
            PostMessageW(view_->GetHwnd(), WM_CHAR, c, 1);
        PostMessageW(view_->GetHwnd(), WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(view_->GetHwnd(), WM_KEYUP, VK_RETURN, 0xC0000001);
    }

    boost::shared_ptr<DemoServer> server_;
    boost::shared_ptr<MainView> view_ { new MainView() };
    UiDriver driver_;
    PageProbe page;  // the view's page, once its window is made
};

TEST_F(LiveProgram, LogInImportEverythingAndReloadToNothingLeftToChange)
{
    view_->InitInstance(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_TRUE(view_->GetHwnd() != nullptr) << "cannot make the main window; is the display usable?";
    page = PageProbe(view_->GetHwnd());
    int entriesBefore = QuickBooksEntries();
    bool ended = driver_.RunWhile(
        [&] { RunApplication(view_); },
        [&] {
            const DWORD limit = 30000;
            ASSERT_TRUE(driver_.WaitFor([&] { return Shown("#bodydialog"); }, limit)) << "no login panel";
            ASSERT_TRUE(driver_.OnUiThread(
                [&] { HTMLayoutTestSetFocus(view_->GetHwnd(), page.FirstMatch("#loginDialog_Password")); }));
            TypeKeys(L"secret");
            ASSERT_TRUE(
                driver_.WaitFor([&] { return Shown("#TTSummary") && Count("#TTTotalTableBody > tr") > 0; }, limit))
                << "no summary";
            ASSERT_TRUE(driver_.OnUiThread([&] { page.Click("#idEmployeeAll"); }));
            ASSERT_TRUE(driver_.OnUiThread([&] { page.Click("#import"); }));
            ASSERT_TRUE(driver_.WaitFor([&] { return Shown("#idCompletedSuccessfullyState"); }, limit))
                << "the import did not succeed";
            ASSERT_TRUE(driver_.OnUiThread([&] { page.Click("#idCompletedSuccessfullyState button.closeButton"); }));
            ASSERT_TRUE(driver_.WaitFor(
                [&] {
                    size_t rows = Count("#TTTotalTableBody > tr");
                    return Shown("#TTSummary") && rows > 0 && Count("#TTTotalTableBody td.notChange") == 2 * rows;
                },
                limit))
                << "the reloaded summary still has changes";
            PostMessageW(view_->GetHwnd(), WM_CLOSE, 0, 0);
        },
        120000);
    EXPECT_TRUE(ended) << "the watchdog ended the program";
    EXPECT_EQ(entriesBefore + 4, QuickBooksEntries());
    DestroyWindow(view_->GetHwnd());
}

}  // namespace
