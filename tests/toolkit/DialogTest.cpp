// The dialog window for real, under Xvfb: each test runs a dialog modally and drives it from
// inside its loop with a thread timer that plays one step per tick.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ConnectorLogReader.h"
#include "core/PostToThread.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/support/PageProbe.h"
#include "ui/toolkit/Dialog.h"
#include "ui/toolkit/Element.h"
#include "ui/toolkit/LinkOpener.h"
#include "ui/toolkit/PageResources.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;

namespace {

class TestDialog : public htmlayout::dialog {
public:
    explicit TestDialog(HWND owner) : dialog(owner) {}

    HWND window() const { return hwnd; }
    int current_result() const { return result; }
    void place(int where, int left, int top)
    {
        position = where;
        x = left;
        y = top;
    }
    element Find(const char* selector) const { return PageProbe(hwnd).FirstMatch(selector); }

    LRESULT on_document_complete() override
    {
        if (fail_on_complete)
            throw std::runtime_error("the page could not be filled");
        return 0;
    }
    bool on_script_call(HELEMENT, const char* name, UINT, json::value*, json::value&) override
    {
        calls.push_back(name);
        if (!htmlayout::streq(name, "closeDialog"))
            return false;
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return true;
    }

    bool fail_on_complete = false;
    std::vector<std::string> calls;
};

// The steps of the running test, one per timer tick; a dialog still open well after the last
// step is closed, so no test can hang.
struct Script {
    std::vector<std::function<void()>> steps;
    size_t next = 0;
    int idle_ticks = 0;
    TestDialog* dialog = nullptr;
};

Script* g_script = nullptr;
const int kTickMs = 20;
const int kIdleTicksBeforeClosing = 100;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    Script& script = *g_script;
    if (script.next < script.steps.size()) {
        script.steps[script.next++]();
        return;
    }
    if (++script.idle_ticks == kIdleTicksBeforeClosing && IsWindow(script.dialog->window())) {
        ADD_FAILURE() << "the dialog stayed open";
        DestroyWindow(script.dialog->window());
    }
}

std::vector<std::wstring> g_opened_links;
void RecordLink(HWND, const wchar_t* target)
{
    g_opened_links.push_back(target);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ToolkitDialogOwner";
        RegisterClassW(&windowClass);
        owner_ = CreateWindowExW(0, L"ToolkitDialogOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 800,
                                 700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, owner_) << "cannot make the owner window; is the display usable?";
        htmlayout::set_link_opener(&RecordLink);
        g_opened_links.clear();
    }
    void TearDown() override
    {
        htmlayout::set_link_opener(nullptr);
        DestroyWindow(owner_);
    }

    int Run(TestDialog& dialog, const wchar_t* page, std::vector<std::function<void()>> steps)
    {
        const unsigned char* data = nullptr;
        UINT size = 0;
        EXPECT_TRUE(LoadHtmlResource(GetModuleHandleW(nullptr), page, &data, &size));
        Script script;
        script.steps = std::move(steps);
        script.dialog = &dialog;
        g_script = &script;
        UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, Tick);
        int result = dialog.do_modal(data, size);
        KillTimer(nullptr, timer);
        g_script = nullptr;
        EXPECT_EQ(script.steps.size(), script.next) << "steps left when the dialog closed";
        return result;
    }

    void Click(const TestDialog& dialog, const char* selector)
    {
        element he = dialog.Find(selector);
        ASSERT_TRUE(he.is_valid()) << selector;
        HTMLayoutTestClick(he, 0);
    }

    HWND owner_ = nullptr;
};

RECT WindowRect(HWND hwnd)
{
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

TEST(DialogPlacement, CentringRoundsHalvesTowardZero)
{
    RECT desktop = { 0, 0, 1280, 1024 };
    POINT origin = htmlayout::centred_origin(desktop, 600, 400);
    EXPECT_EQ(340, origin.x);
    EXPECT_EQ(312, origin.y);
    RECT odd = { 10, 20, 111, 121 };
    origin = htmlayout::centred_origin(odd, 200, 200);
    EXPECT_EQ(10 + (101 - 200) / 2, origin.x);
    EXPECT_EQ(20 - 49, origin.y);
}

TEST(WideEqualsNoCase, FoldsOnlyAsciiLettersAndRefusesNull)
{
    EXPECT_TRUE(WideEqualsNoCase(L"Cancel", L"CANCEL"));
    EXPECT_FALSE(WideEqualsNoCase(L"OK", L"OKAY"));
    EXPECT_FALSE(WideEqualsNoCase(L"\u00e9", L"\u00c9"));
    EXPECT_FALSE(WideEqualsNoCase(nullptr, L"OK"));
    EXPECT_FALSE(WideEqualsNoCase(nullptr, nullptr));
}

TEST_F(DialogTest, OkEndsWithOneWhileTheOwnerIsDisabledAndThePageSizesTheWindow)
{
    TestDialog dialog(owner_);
    HWND window = nullptr;
    int result = Run(dialog, L"TEST_DIALOG",
                     { [&] {
                          window = dialog.window();
                          EXPECT_FALSE(IsWindowEnabled(owner_));
                          EXPECT_TRUE(IsWindowVisible(window));
                          wchar_t title[64] = {};
                          GetWindowTextW(window, title, 64);
                          EXPECT_STREQ(L"Toolkit dialog", title);
                          RECT client = {};
                          GetClientRect(window, &client);
                          EXPECT_EQ(600, client.right);
                          EXPECT_EQ(400, client.bottom);
                          RECT desktop = {};
                          GetClientRect(GetDesktopWindow(), &desktop);
                          RECT frame = WindowRect(window);
                          POINT centre =
                              htmlayout::centred_origin(desktop, frame.right - frame.left, frame.bottom - frame.top);
                          EXPECT_EQ(centre.x, frame.left);
                          EXPECT_EQ(centre.y, frame.top);
                          EXPECT_STREQ(L"included", dialog.Find("#piece").get_text().c_str());
                          EXPECT_TRUE(dialog.Find("#ok").get_state() & STATE_FOCUS);
                      },
                       [&] { Click(dialog, "#ok"); } });
    EXPECT_EQ(1, result);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(owner_));
}

TEST_F(DialogTest, NamedButtonsGiveTheirResultsAndAnUnknownNameKeepsTheDialogOpen)
{
    TestDialog lower(owner_);
    EXPECT_EQ(1, Run(lower, L"TEST_DIALOG",
                     { [&] { Click(lower, "#foo"); },
                       [&] {
                           EXPECT_TRUE(IsWindow(lower.window()));
                           EXPECT_EQ(0, lower.current_result());
                       },
                       [&] { Click(lower, "#lowerok"); } }));

    TestDialog unknown(owner_);
    EXPECT_EQ(0, Run(unknown, L"TEST_DIALOG",
                     { [&] { Click(unknown, "#foo"); }, [&] { PostMessageW(unknown.window(), WM_CLOSE, 0, 0); } }));

    TestDialog cancelled(owner_);
    EXPECT_EQ(2, Run(cancelled, L"TEST_DIALOG", { [&] { Click(cancelled, "#cancel"); } }));
}

TEST_F(DialogTest, EscapeClicksTheCancelButtonOrClosesThroughThePage)
{
    TestDialog withButton(owner_);
    EXPECT_EQ(
        2, Run(withButton, L"TEST_DIALOG", { [&] { PostMessageW(withButton.window(), WM_KEYDOWN, VK_ESCAPE, 0); } }));

    TestDialog plain(owner_);
    KEY_PARAMS enter = { KEY_DOWN, nullptr, VK_RETURN, 0 };
    EXPECT_EQ(2, Run(plain, L"TEST_PLAIN", { [&] {
                         EXPECT_FALSE(plain.handle_key(nullptr, enter));
                         PostMessageW(plain.window(), WM_KEYDOWN, VK_ESCAPE, 0);
                         PostMessageW(plain.window(), WM_KEYUP, VK_ESCAPE, 0);
                     } }));
    EXPECT_EQ(std::vector<std::string> { "closeDialog" }, plain.calls);
}

// Enter presses the default button wherever the focus is.
TEST_F(DialogTest, EnterPressesTheDefaultButton)
{
    TestDialog unfocused(owner_);
    EXPECT_EQ(1,
              Run(unfocused, L"TEST_DIALOG", { [&] { PostMessageW(unfocused.window(), WM_KEYDOWN, VK_RETURN, 0); } }));

    TestDialog onCancel(owner_);
    EXPECT_EQ(1, Run(onCancel, L"TEST_DIALOG",
                     { [&] { HTMLayoutTestSetFocus(onCancel.window(), onCancel.Find("#cancel")); },
                       [&] { PostMessageW(onCancel.window(), WM_KEYDOWN, VK_RETURN, 0); } }));
}

TEST_F(DialogTest, OnlyWebAndMailLinksAreOpened)
{
    TestDialog dialog(owner_);
    Run(dialog, L"TEST_DIALOG",
        { [&] { Click(dialog, "#web"); }, [&] { Click(dialog, "#program"); },
          [&] {
              element foo = dialog.Find("#foo");
              BEHAVIOR_EVENT_PARAMS link = { EVENT_HYPERLINK_CLICK | EVENT_SINKING, foo, foo, 0 };
              EXPECT_FALSE(dialog.handle_event(foo, link));
              PostMessageW(dialog.window(), WM_CLOSE, 0, 0);
          } });
    EXPECT_EQ(std::vector<std::wstring> { L"https://example.com/help" }, g_opened_links);
    EXPECT_NE(std::string::npos, ReadConnectorLog().find("A dialog link was not opened: C:\\Windows\\notepad.exe"));
}

struct QueuedClick {
    DWORD ui_thread;
    TestDialog* dialog;
};

DWORD WINAPI QueueClickOnOk(LPVOID param)
{
    QueuedClick click = *static_cast<QueuedClick*>(param);
    Quorvane::PostToThread(click.ui_thread, [click] { HTMLayoutTestClick(click.dialog->Find("#ok"), 0); });
    return 0;
}

TEST_F(DialogTest, CallsQueuedByOtherThreadsRunWhileTheDialogIsOpen)
{
    TestDialog dialog(owner_);
    QueuedClick click = { GetCurrentThreadId(), &dialog };
    EXPECT_EQ(1, Run(dialog, L"TEST_DIALOG", { [&] {
                         HANDLE worker = CreateThread(nullptr, 0, QueueClickOnOk, &click, 0, nullptr);
                         WaitForSingleObject(worker, 5000);
                         CloseHandle(worker);
                     } }));
}

// A quit while the dialog is open ends the dialog and is passed on to the program's loop.
TEST_F(DialogTest, AQuitDestroysTheDialogAndIsPostedAgain)
{
    TestDialog dialog(owner_);
    HWND window = nullptr;
    Run(dialog, L"TEST_DIALOG", { [&] {
            window = dialog.window();
            PostQuitMessage(7);
        } });
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(owner_));
    MSG quit = {};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, quit.wParam);
}

TEST_F(DialogTest, AFailingPageFillIsLoggedAndTheDialogStillWorks)
{
    TestDialog dialog(owner_);
    dialog.fail_on_complete = true;
    EXPECT_EQ(1, Run(dialog, L"TEST_DIALOG", { [&] { Click(dialog, "#ok"); } }));
    EXPECT_NE(std::string::npos, ReadConnectorLog().find("dialog notification: the page could not be filled"));
}

TEST_F(DialogTest, PositionsCentreOnTheParentOrKeepTheGivenPlace)
{
    TestDialog onParent(owner_);
    onParent.place(htmlayout::dialog::kCentreOnParent, 0, 0);
    Run(onParent, L"TEST_DIALOG", { [&] {
            RECT frame = WindowRect(onParent.window());
            POINT centre =
                htmlayout::centred_origin(WindowRect(owner_), frame.right - frame.left, frame.bottom - frame.top);
            EXPECT_EQ(centre.x, frame.left);
            EXPECT_EQ(centre.y, frame.top);
            PostMessageW(onParent.window(), WM_CLOSE, 0, 0);
        } });

    TestDialog placed(owner_);
    placed.place(0, 50, 60);
    Run(placed, L"TEST_DIALOG", { [&] {
            POINT client = { 0, 0 };
            ClientToScreen(placed.window(), &client);
            EXPECT_EQ(50, client.x);
            EXPECT_EQ(60, client.y);
            PostMessageW(placed.window(), WM_CLOSE, 0, 0);
        } });
}

}  // namespace
