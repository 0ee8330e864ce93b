// Reading the QuickBooks employees and payroll items again from the open dialog, against the
// QuickBooks simulator: the lists reach the tabs, a failure is shown and changes nothing, and a
// dialog that goes while the read runs is left alone.
#include "SettingsPage.h"

#include "core/Mapping.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"
#include "ui/dialogs/settings/PageControls.h"
#include "ui/shared/PageText.h"

using namespace Quorvane;

namespace {

const wchar_t kCompanyJson[] =
    L"{\"CompanyName\":\"Sim Co\","
    L" \"Preferences\":{\"TimeTrackingEnabled\":true,\"CurrentAppAccessRights\":{\"IsPersonalDataAccessAllowed\":true}}"
    L","
    L" \"Employees\":[{\"ListID\":\"E-NEW\",\"EditSequence\":\"1\",\"FirstName\":\"Nia\",\"LastName\":\"New\"}],"
    L" \"PayrollItemWages\":[{\"ListID\":\"P-NEW\",\"Name\":\"Overtime\"}]}";

// What a message box on this thread showed; the box is answered at once.
std::wstring g_shownMessage;

BOOL CALLBACK AnswerIfMessageBox(HWND window, LPARAM)
{
    HWND text = GetDlgItem(window, 0xFFFF);
    if (!text)
        return TRUE;
    wchar_t shown[512] = {};
    GetWindowTextW(text, shown, 512);
    g_shownMessage = shown;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), &AnswerIfMessageBox, 0);
    if (!g_shownMessage.empty())
        KillTimer(0, timer);
}

class SettingsReloadTest : public SettingsPage {
protected:
    void SetUp() override
    {
        QbSim::Control::Reset();
        QbSim::Control::Seed(kCompanyJson);
        Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
        connector.reset(new Connectors::DesktopConnector(QuickBooksTest::ProgramOptions()));
        ASSERT_TRUE(connector->Connect());
        company.model->SetQuickBooksConnector(connector);
        AddUser(L"1", L"Ann", L"Ash", Mapping::NotMapped);
        company.AddPayrollItem(L"P-OLD", L"Old item");
        g_shownMessage.clear();
    }
    void TearDown() override
    {
        SettingsPage::TearDown();
        company.model->SetQuickBooksConnector(boost::shared_ptr<Connectors::DesktopConnector>());
        connector.reset();
        Connectors::SetSessionManagerFactory(0);
        QbSim::Control::Reset();
    }
    // The page keeps its reload button in a comment; the test puts one in.
    void ClickReload()
    {
        mainpage::SetMarkup(ById("SettingsFooter"), L"<button name=\"RELOAD\" id=\"reload\">Reload</button>",
                            SIH_APPEND_AFTER_LAST);
        page.Click(ById("reload"));
    }
    bool Waiting() { return HasState(ById("PleaseWaitOverlay"), STATE_EXPANDED); }
    bool WaitForReload()
    {
        return PumpUntil([this] { return !Waiting() && IsWindowEnabled(dialog->Window()); });
    }

    boost::shared_ptr<Connectors::DesktopConnector> connector;
};

TEST_F(SettingsReloadTest, NewListsReachEveryTab)
{
    Open(3);
    page.Focus(ById("1"));
    settings_page::SetTextValue(ById("Quorvane_Username"), L"typed before the reload");
    QbSim::Control::SetLatency(200);
    ClickReload();
    EXPECT_TRUE(Waiting());
    EXPECT_FALSE(IsWindowEnabled(dialog->Window()));
    page.Click(ById("Save"));
    EXPECT_NE(1, dialog->Result()) << "nothing ends the dialog while it waits";
    ASSERT_TRUE(WaitForReload());
    EXPECT_TRUE(HasState(ById("PleaseWaitOverlay"), STATE_COLLAPSED));
    EXPECT_EQ(L"", g_shownMessage);
    EXPECT_EQ(L"--please select--|--new-- (Ann  Ash)|--do not import--|Nia New|", Options(ById("1")));
    EXPECT_EQ(L"--please select--|Overtime|", Options(ById("pr1")));
    EXPECT_EQ(L"typed before the reload", dialog->GetConfig()->GetConnectionOptions()->userName);
    EXPECT_EQ(1u, company.model->GetPayrollItems()->Count());
}

TEST_F(SettingsReloadTest, AFailureIsShownAndChangesNothing)
{
    Open(3);
    QbSim::Control::InjectFault(QbSim::Control::ParseFault(
        L"{\"stage\":\"DoRequests\",\"request\":\"PayrollItemWageQuery\",\"hresult\":\"0x8004041C\"}"));
    SetTimer(0, 0, 20, &AnswerMessageBox);
    ClickReload();
    ASSERT_TRUE(WaitForReload());
    EXPECT_TRUE(PumpUntil([] { return !g_shownMessage.empty(); }));
    EXPECT_NE(std::wstring::npos, g_shownMessage.find(L"could not be read from QuickBooks")) << g_shownMessage;
    ASSERT_EQ(1u, company.model->GetPayrollItems()->Count());
    EXPECT_EQ(L"Old item", (*company.model->GetPayrollItems()->begin())->GetName());
    EXPECT_EQ(0u, company.model->GetQuickBooksEmployees()->Count()) << "both lists or neither";
    EXPECT_EQ(L"--please select--|Old item|", Options(ById("pr1")));
}

TEST_F(SettingsReloadTest, ADialogClosedWhileTheReadRunsIsLeftAlone)
{
    Open(3);
    QbSim::Control::SetLatency(200);
    ClickReload();
    const boost::shared_ptr<EmployeeCollection> before = company.model->GetQuickBooksEmployees();
    dialog.reset();
    EXPECT_TRUE(PumpUntil([&] { return company.model->GetQuickBooksEmployees() != before; }));
    PumpUntil([] { return false; });  // the completion runs, and finds nobody to tell
    EXPECT_EQ(1u, company.model->GetQuickBooksEmployees()->Count());
}

}  // namespace
