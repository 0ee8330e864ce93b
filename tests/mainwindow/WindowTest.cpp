// The real window: its class, size and loop, the first load, posted calls, closing and the
// close confirmation, and keys typed into the login panel.
#include <algorithm>

#include "MainPageFixture.h"
#include "app/Application.h"
#include "core/PostToThread.h"
#include "ui/toolkit/Dialog.h"
#include "htmlengine/api/EngineTestHooks.h"

namespace {

const wchar_t kTitle[] = L"Quorvane Pellworth";

class Window : public MainPageTest {
protected:
    HWND hwnd() { return view->GetHwnd(); }
    void Close() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

    // The question, wrapped at its control's width in the dialog's font, is not cut off.
    static void ExpectQuestionFits(HWND question)
    {
        ASSERT_TRUE(question != nullptr);
        wchar_t text[200];
        GetWindowTextW(question, text, 200);
        EXPECT_STREQ(L"The import is in progress. Would you like to interrupt it?", text);
        RECT shown;
        GetClientRect(question, &shown);
        RECT needed = shown;
        HDC dc = GetDC(question);
        HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(question, WM_GETFONT, 0, 0)));
        DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK);
        SelectObject(dc, font);
        ReleaseDC(question, dc);
        EXPECT_LE(needed.right, shown.right);
        EXPECT_LE(needed.bottom, shown.bottom);
    }

    // From the driver: dialog 153 once it shows, or null.
    static HWND WaitForCloseConfirmation()
    {
        HWND dialog = nullptr;
        for (int i = 0; i < 250 && !(dialog && IsWindowVisible(dialog)); ++i, Sleep(20))
            dialog = FindWindowW(L"#32770", kTitle);
        return dialog;
    }

    // From the driver: finds dialog 153, checks it, and presses the button.
    void AnswerCloseConfirmation(int button)
    {
        HWND dialog = WaitForCloseConfirmation();
        ASSERT_TRUE(dialog != nullptr) << "no close confirmation";
        Sleep(50);
        wchar_t text[100];
        GetDlgItemTextW(dialog, IDOK, text, 100);
        EXPECT_STREQ(L"Stop import and exit", text);
        GetDlgItemTextW(dialog, IDCANCEL, text, 100);
        EXPECT_STREQ(L"Back to import", text);
        ExpectQuestionFits(FindWindowExW(dialog, nullptr, L"Static", nullptr));
        EXPECT_EQ(-1, GetDlgCtrlID(FindWindowExW(dialog, nullptr, L"Static", nullptr)));
        RECT owner, own;
        GetWindowRect(hwnd(), &owner);
        GetWindowRect(dialog, &own);
        EXPECT_NEAR((owner.left + owner.right) / 2, (own.left + own.right) / 2, 1);
        EXPECT_NEAR((owner.top + owner.bottom) / 2, (own.top + own.bottom) / 2, 1);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        for (int i = 0; i < 250 && IsWindowVisible(dialog); ++i)
            Sleep(20);
    }
};

TEST_F(Window, HasItsClassTitleAndMinimumSize)
{
    wchar_t text[100];
    GetClassNameW(hwnd(), text, 100);
    EXPECT_STREQ(L"WIN32", text);
    GetWindowTextW(hwnd(), text, 100);
    EXPECT_STREQ(kTitle, text);
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    EXPECT_EQ(900, frame.right - frame.left);
    EXPECT_EQ(700, frame.bottom - frame.top);
    MoveWindow(hwnd(), frame.left, frame.top, 500, 400, TRUE);
    GetWindowRect(hwnd(), &frame);
    EXPECT_EQ(900, frame.right - frame.left);
    EXPECT_EQ(700, frame.bottom - frame.top);
    EXPECT_EQ(1, SendMessageW(hwnd(), WM_ERASEBKGND, 0, 0));
}

TEST_F(Window, ShowingPreparesOneLoadAndClosingEndsTheLoop)
{
    RunWhile([&] {
        EXPECT_TRUE(WaitFor([&] { return !controller->calls.empty(); }));
        OnUiThread([&] { EXPECT_EQ(L"Prepare to start", page.Text("#dataLoadCaption")); });
        Close();
    });
    EXPECT_EQ(std::vector<std::string> { "LoadData" }, TakeCalls());
    // Once the loop has ended the window no longer reaches the view.
    EXPECT_EQ(0, GetWindowLongPtrW(hwnd(), GWLP_USERDATA));
}

TEST_F(Window, HidingTheWindowStartsNoLoad)
{
    RunWhile([&] {
        EXPECT_TRUE(WaitFor([&] { return !controller->calls.empty(); }));
        OnUiThread([&] { ShowWindow(hwnd(), SW_HIDE); });
        Sleep(200);
        Close();
    });
    EXPECT_EQ(std::vector<std::string> { "LoadData" }, TakeCalls());
}

// Posted calls wake the loop by themselves. The window's wake timer is stopped first, so a loop
// that slept through a posted call would never run it and the wait for it would give up.
TEST_F(Window, CallsPostedFromAWorkerRunOnTheUiThreadInOrderWithoutATimerTick)
{
    std::vector<int> order;
    std::vector<DWORD> threads;
    RunWhile([&] {
        OnUiThread([&] { KillTimer(hwnd(), 1); });
        for (int i = 0; i < 3; ++i) {
            // The last call arrives behind queued input of the window, as a real session has it.
            if (i == 2)
                PostMessageW(hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
            HANDLE ran = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            Quorvane::PostToThread(uiThread_, [&, i, ran] {
                order.push_back(i);
                threads.push_back(GetCurrentThreadId());
                SetEvent(ran);
            });
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ran, 5000)) << i;
            CloseHandle(ran);
        }
        Close();
    });
    EXPECT_EQ((std::vector<int> { 0, 1, 2 }), order);
    for (size_t i = 0; i < threads.size(); ++i)
        EXPECT_EQ(uiThread_, threads[i]);
}

TEST_F(Window, BackToImportKeepsTheImportAndTheLoop)
{
    view->OnImportStarted();
    RunWhile([&] {
        Close();
        AnswerCloseConfirmation(IDCANCEL);
        Sleep(100);
        OnUiThread([&] { EXPECT_TRUE(view->IsImportRunning()); });
        OnUiThread([&] { view->OnImportFinished(); });
        Close();
    });
    for (const std::string& call : TakeCalls())
        EXPECT_NE("StopImport", call);
}

TEST_F(Window, StopImportAndExitStopsAndQuitsWhenTheImportEnds)
{
    view->OnImportStarted();
    bool stillRunning = false;
    RunWhile([&] {
        Close();
        AnswerCloseConfirmation(IDOK);
        Sleep(200);
        OnUiThread([&] { stillRunning = true; });  // runs only while the loop does
        Quorvane::PostToThread(uiThread_, [&] { view->OnImportFinished(); });
    });
    EXPECT_TRUE(stillRunning);
    std::vector<std::string> calls = TakeCalls();
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "StopImport"));
}

// The import's posted calls run while the question is open: its progress moves on behind it.
// An end that comes before the answer leaves the question as it was, and "Stop import and exit"
// then quits at once.
TEST_F(Window, TheImportGoesOnVisiblyBehindTheCloseQuestionAndAnEndBeforeTheAnswerQuitsAtOnce)
{
    view->ResetImportProgress();
    view->ShowImportProgress();
    view->OnImportStarted();
    RunWhile([&] {
        Close();
        ASSERT_TRUE(WaitForCloseConfirmation() != nullptr) << "no close confirmation";
        Quorvane::PostToThread(uiThread_, [&] { view->SetImportProgress(1, 4); });
        EXPECT_TRUE(WaitFor([&] { return page.Text("#idDataImportedFor") == L"1 of 4 selected employees"; }))
            << "the progress froze behind the question";
        Quorvane::PostToThread(uiThread_, [&] {
            view->OnImportFinished();
            view->ShowImportSucceeded();
        });
        EXPECT_TRUE(WaitFor([&] { return IsShown("#idCompletedSuccessfullyState"); }));
        AnswerCloseConfirmation(IDOK);
    });
    std::vector<std::string> calls = TakeCalls();
    EXPECT_EQ(0, std::count(calls.begin(), calls.end(), "StopImport"));
}

TEST_F(Window, ClosingDuringTheAbsentTimeTrackQuestionHidesItAndQuitsWithoutStopping)
{
    view->OnImportStarted();
    view->ShowAbsentTimeTrack(true);
    RunWhile([&] {
        Close();
        AnswerCloseConfirmation(IDOK);
    });
    EXPECT_FALSE(IsShown("#absentTimeTrackBody"));
    std::vector<std::string> calls = TakeCalls();
    EXPECT_EQ(0, std::count(calls.begin(), calls.end(), "StopImport"));
}

// Keys as the window receives them from the keyboard: typed into the focused password field,
// then Return.
TEST_F(Window, ReturnInThePasswordFieldConnectsOnce)
{
    RunWhile([&] {
        EXPECT_TRUE(WaitFor([&] { return !controller->calls.empty(); }));
        OnUiThread([&] {
            TakeCalls();
            IMainView::ConnectionOptions options;
            options.url = L"http://127.0.0.1:1";
            options.userName = L"jo";
            view->ShowLoginPanel(options, L"", L"");
            HTMLayoutTestSetFocus(hwnd(), page.Find("#loginDialog_Password"));
        });
        for (wchar_t c : std::wstring(L"s3cret")) {
            PostMessageW(hwnd(), WM_CHAR, c, 1);
        }
        PostMessageW(hwnd(), WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(hwnd(), WM_KEYUP, VK_RETURN, 0xC0000001);
        EXPECT_TRUE(WaitFor([&] { return !controller->calls.empty(); }));
        Sleep(100);
        OnUiThread([&] {
            EXPECT_TRUE(IsDisabled("#loginDialog_Connect"));
            EXPECT_EQ(L"Connecting\u2026", page.Text("#loginDialog_Connect"));
        });
        Close();
    });
    EXPECT_EQ(std::vector<std::string> { "Connect http://127.0.0.1:1 jo s3cret forget login" }, TakeCalls());
}

// A dialog of the main window shows the program's icon, in the title bar and the task switcher.
TEST_F(Window, DialogsCarryTheProgramsIcon)
{
    htmlayout::dialog dialog(hwnd());
    ASSERT_TRUE(dialog.create() != nullptr);
    HWND window = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
    for (; window && GetWindow(window, GW_OWNER) != hwnd(); window = FindWindowExW(nullptr, window, L"#32770", nullptr))
        ;
    ASSERT_TRUE(window != nullptr);
    const HICON program = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd(), GCLP_HICON));
    ASSERT_TRUE(program != nullptr);
    EXPECT_EQ(program, reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)));
    EXPECT_TRUE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0) != 0);
}

}  // namespace

// The window is made only once the view reaches the controller and the model, so the load its
// first showing asks for always finds them.
TEST(StartUp, TheWindowIsMadeOnlyOnceTheViewReachesTheControllerAndTheModel)
{
    boost::shared_ptr<MainView> view(new MainView());
    bool connected = false;
    EXPECT_EQ(1, RunApplication(view, [&] {
                  connected = view->GetNotification() && view->GetModel();
                  return false;  // no window: the program ends at once
              }));
    EXPECT_TRUE(connected);
    EXPECT_FALSE(view->GetNotification());
    EXPECT_FALSE(view->GetModel());
}
