// The main window by keyboard alone: real key messages posted to the window reach the names,
// the period's menu, the selection links, the sorting headers and the legend; every panel opens
// focused on its default button, Escape answers it as its Cancel or Close button, and the focus
// comes back once a panel or a load took it away.
#include "MainPageFixture.h"
#include "htmlengine/api/EngineTestHooks.h"

using namespace Quorvane;

namespace {

typedef std::vector<std::string> Calls;

class Keyboard : public MainPageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MainPageTest::SetUp());
        company.User(L"1", L"Ann", L"Archer", Mapping::Mapped);
        company.Entry(L"1", 60, 90);
        company.User(L"2", L"Bob", L"Baker", Mapping::Mapped);
        company.Entry(L"2", 30, 30);
        view->RefreshSummary();
        TakeCalls();
    }

    void Focus(const char* selector) { HTMLayoutTestSetFocus(view->GetHwnd(), page.Find(selector)); }
    // Tab until the element has the focus; false when a whole round never reached it.
    bool TabTo(const char* selector)
    {
        for (int i = 0; i < 40; ++i) {
            if (page.HasState(selector, STATE_FOCUS))
                return true;
            Key(VK_TAB);
        }
        return false;
    }
    bool MenuOpen() { return page.HasState("#cal > popup", STATE_EXPANDED); }
};

TEST_F(Keyboard, TabReachesAnEmployeesNameAndEnterOpensThePreview)
{
    Focus("#cal");
    ASSERT_TRUE(TabTo("#name_2")) << Focused();
    Key(VK_RETURN);
    EXPECT_EQ((Calls { "ShowPreview 2 working" }), TakeCalls());
}

TEST_F(Keyboard, ThePeriodsMenuOpensByEnterSpaceF4AndAltDownAndEscapeClosesOnlyIt)
{
    for (UINT key : { VK_RETURN, VK_SPACE, VK_F4 }) {
        Focus("#cal");
        Key(key);
        EXPECT_TRUE(MenuOpen()) << key;
        Key(VK_ESCAPE);
        EXPECT_FALSE(MenuOpen()) << key;
        EXPECT_EQ("cal", Focused());
    }
    Focus("#cal");
    HTMLayoutTestKeyDown(view->GetHwnd(), nullptr, VK_DOWN, KEYBOARD_ALT);
    HTMLayoutTestKeyUp(view->GetHwnd(), nullptr, VK_DOWN, KEYBOARD_ALT);
    EXPECT_TRUE(MenuOpen());
    // The arrows choose and Enter takes: the second entry, "Current month till today".
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(MenuOpen());
    const Calls calls = TakeCalls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(0u, calls[0].find("ChangeDateRange 2 ")) << calls[0];
    // In a date field the keys edit the date; the menu stays closed.
    Focus("#dateStart");
    Key(VK_F4);
    Key(VK_ESCAPE);
    Key(VK_SPACE);
    EXPECT_FALSE(MenuOpen());
}

TEST_F(Keyboard, TheSelectionLinksSortingHeadersAndLegendActOnEnter)
{
    Focus("#cal");
    ASSERT_TRUE(TabTo("#idEmployeeAll")) << Focused();
    Key(VK_RETURN);
    EXPECT_EQ(2u, page.FindAll("#TTTotalTableBody tr[rowSelect=true]").size());
    ASSERT_TRUE(TabTo("#idEployeeNone")) << Focused();
    Key(VK_RETURN);
    EXPECT_EQ(0u, page.FindAll("#TTTotalTableBody tr[rowSelect=true]").size());

    Focus("#cal");
    ASSERT_TRUE(TabTo("th[hdType=hdEmployee]")) << Focused();
    Key(VK_RETURN);
    EXPECT_EQ(L"desc", page.Attribute("th[hdType=hdEmployee]", "sorted"));
    EXPECT_EQ(L"name_2", page.Attribute("#TTTotalTableBody span.employee", "id"));
    ASSERT_TRUE(TabTo("th[hdType=hdBilledFlag]")) << Focused();
    Key(VK_RETURN);
    EXPECT_EQ(L"asc", page.Attribute("th[hdType=hdBilledFlag]", "sorted"));

    ASSERT_TRUE(TabTo("#legend img[iconType='3']")) << Focused();
    Key(VK_RETURN);
    EXPECT_TRUE(page.HasState("#icontype-page", STATE_EXPANDED));
    Key(VK_ESCAPE);
    EXPECT_FALSE(page.HasState("#icontype-page", STATE_EXPANDED));
    Key(VK_RETURN);
    Key(VK_TAB);
    EXPECT_FALSE(page.HasState("#icontype-page", STATE_EXPANDED)) << "the explanation outlived the focus";
}

// Each panel opens focused on its default button; Escape does what its Cancel or Close does.
TEST_F(Keyboard, PanelsOpenOnTheirDefaultButtonAndEscapeAnswersThemAsCancel)
{
    Focus("#Settings");
    view->OnImportStarted();
    view->ShowAbsentTimeTrack(false);
    Key(VK_SHIFT);
    EXPECT_EQ("idBtnProcessWithDeletion", Focused());
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsShown("#absentTimeTrackBody"));
    EXPECT_FALSE(view->IsImportRunning()) << "Escape did not return to the preview";
    EXPECT_TRUE(TakeCalls().empty());

    view->ShowError(L"Cannot import data", L"Problem", L"", L"", L"reload", 0);
    Key(VK_SHIFT);
    EXPECT_EQ("idErrorDialogCloseButton", Focused());
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsShown("#ErrorBodyDialog"));
    EXPECT_EQ((Calls { "ReloadData" }), TakeCalls());

    view->ResetImportProgress();
    view->ShowImportProgress();
    view->OnImportStarted();
    Key(VK_SHIFT);
    EXPECT_EQ("idImportingState", Focused());  // not on Stop: a held Enter must not press it
    // While it runs the panel has no Cancel: Escape stops nothing.
    Key(VK_ESCAPE);
    EXPECT_TRUE(TakeCalls().empty());
    view->OnImportFinished();
    view->ShowImportFailed(L"Some time was kept");
    Key(VK_SHIFT);
    EXPECT_TRUE(page.HasState("#idCompletedWithErrorState button.closeButton", STATE_FOCUS)) << Focused();
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsShown("#ProgressBodyDialog"));
    EXPECT_EQ((Calls { "ReloadData" }), TakeCalls());

    // A view, not a panel: Escape there discards no stored address.
    view->ShowSiteWasChanged(L"http://new.example");
    EXPECT_EQ("Continue", Focused());
    Key(VK_ESCAPE);
    EXPECT_TRUE(TakeCalls().empty());

    view->ShowQuickBooksProblem(L"QuickBooks is busy", L"Close the dialog in QuickBooks, then [Retry]");
    EXPECT_EQ("QBProblemRetry", Focused());
    Key(VK_ESCAPE);
    EXPECT_TRUE(TakeCalls().empty());
}

// Import is disabled while its run asks the question, so the panel cannot hand the focus back
// to it: the focus returns once the button is enabled again, whether the run ends before or
// after the answer, and only while nothing else has taken the focus meanwhile.
TEST_F(Keyboard, EscapeOnTheImportsQuestionReturnsTheFocusToImport)
{
    company.config->GetSelectedEmployees()->insert(L"1");
    view->RefreshSummary();
    for (bool endsFirst : { false, true }) {
        ASSERT_TRUE(TabTo("#import")) << Focused();
        Key(VK_RETURN);
        EXPECT_EQ((Calls { "StartImport check" }), TakeCalls());
        view->OnImportStarted();
        view->ShowAbsentTimeTrack(false);
        if (endsFirst)
            view->OnImportFinished();
        Key(VK_ESCAPE);
        ASSERT_FALSE(IsShown("#absentTimeTrackBody"));
        if (!endsFirst)
            view->OnImportFinished();
        Key(VK_SHIFT);
        EXPECT_EQ("import", Focused()) << (endsFirst ? "the run ended first" : "the answer came first");
    }

    // The user moved on before the run ended: the focus stays where they put it.
    ASSERT_TRUE(TabTo("#import"));
    Key(VK_RETURN);
    view->OnImportStarted();
    view->ShowAbsentTimeTrack(false);
    Key(VK_ESCAPE);
    ASSERT_TRUE(TabTo("#name_2"));
    view->OnImportFinished();
    EXPECT_EQ("name_2", Focused());
}

TEST_F(Keyboard, TheLoginPanelFocusesItsFirstEmptyFieldAndEscapeLeavesItOpen)
{
    struct Case {
        const wchar_t* url;
        const wchar_t* user;
        const wchar_t* password;
        const char* focused;
    } cases[] = {
        { L"", L"", L"", "loginDialog_Url" },
        { L"http://q", L"", L"", "loginDialog_Username" },
        { L"http://q", L"jo", L"", "loginDialog_Password" },
        { L"http://q", L"jo", L"pw", "loginDialog_Connect" },
    };
    for (const Case& c : cases) {
        IMainView::ConnectionOptions options;
        options.url = c.url;
        options.userName = c.user;
        options.password = c.password;
        view->ShowLoginPanel(options, L"", L"");
        Key(VK_SHIFT);
        EXPECT_EQ(c.focused, Focused());
        view->HideLoginPanel();
        Key(VK_SHIFT);
    }
    // Shown again over itself, after a refused password: the password field, at once.
    IMainView::ConnectionOptions options;
    options.url = L"http://q";
    options.userName = L"jo";
    view->ShowLoginPanel(options, L"", L"");
    Focus("#loginDialog_Connect");
    view->ShowLoginPanel(options, L"Login failed", L"Wrong password");
    EXPECT_EQ("loginDialog_Password", Focused());
    Key(VK_ESCAPE);
    EXPECT_TRUE(IsShown("#bodydialog"));
    EXPECT_TRUE(TakeCalls().empty());
}

// A load disables the toolbar and a refresh replaces the rows: once the summary shows again the
// focus is back on what had it, or on the first control when that is gone.
TEST_F(Keyboard, AfterALoadTheFocusReturnsToWhatHadItOrToTheFirstControl)
{
    Focus("#cal");
    ASSERT_TRUE(TabTo("#Settings"));
    view->SetDataLoadProgress(L"Loading", 10);
    view->RefreshSummary();
    EXPECT_EQ("Settings", Focused());

    ASSERT_TRUE(TabTo("#name_1"));
    view->RefreshSummary();
    EXPECT_EQ("name_1", Focused());

    // The employee went: the first control.
    boost::shared_ptr<EmployeeDiffCollection> none(new EmployeeDiffCollection());
    company.model->SetEmployeeDiffs(none);
    view->RefreshSummary();
    Key(VK_SHIFT);  // the engine settles the focus before the next input or frame
    EXPECT_EQ("cal", Focused());

    // The end panel's Close: the reload that follows disables the button that started it all.
    ASSERT_TRUE(TabTo("#Settings"));
    view->ResetImportProgress();
    view->ShowImportProgress();
    view->ShowImportSucceeded();
    Key(VK_RETURN);
    EXPECT_EQ((Calls { "ReloadData" }), TakeCalls());
    view->SetDataLoadProgress(L"Loading", 10);
    Key(VK_SHIFT);
    view->RefreshSummary();
    Key(VK_SHIFT);
    EXPECT_EQ("Settings", Focused());
}

}  // namespace

namespace {

// Enter through the system's keyboard input, as a held key sends it: key-downs that repeat.
void SendEnter(bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_RETURN;
    input.ki.wScan = WORD(MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void PumpFor(DWORD milliseconds)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

// Enter held on Import Selected past the auto-repeat: the import starts once and its progress
// panel, opened under the held key, is never stopped by it.
TEST_F(Keyboard, AHeldEnterStartsTheImportOnceAndNeverStopsIt)
{
    ShowWindow(view->GetHwnd(), SW_SHOW);  // which starts a load
    SetForegroundWindow(view->GetHwnd());
    SetFocus(view->GetHwnd());
    PumpFor(100);
    company.config->GetSelectedEmployees()->insert(L"1");
    view->RefreshSummary();
    TakeCalls();
    ASSERT_TRUE(TabTo("#import")) << Focused();
    SendEnter(false);
    PumpFor(200);
    ASSERT_EQ((Calls { "StartImport check" }), TakeCalls());
    view->ResetImportProgress();
    view->ShowImportProgress();
    view->OnImportStarted();
    for (int repeat = 0; repeat < 5; ++repeat)
        SendEnter(false);
    PumpFor(200);
    Focus("#idStopImportButton");  // even where the user put the focus on Stop
    SendEnter(false);
    PumpFor(100);
    SendEnter(true);
    PumpFor(100);
    EXPECT_TRUE(TakeCalls().empty());
    EXPECT_TRUE(IsShown("#ProgressBodyDialog"));
    ShowWindow(view->GetHwnd(), SW_HIDE);
}

}  // namespace
