// The page's script calls, clicks and links as the view turns them into controller calls.
#include "MainPageFixture.h"
#include "app/ShellOpen.h"
#include "htmlengine/api/EngineTestHooks.h"

namespace {

typedef std::vector<std::string> Calls;

class UserActions : public MainPageTest {};

json::value Arg(const wchar_t* text)
{
    return json::value(text);
}

TEST_F(UserActions, ScriptCallsWithTheWrongArgumentsAreNotHandled)
{
    struct Case {
        const char* name;
        std::vector<json::value> arguments;
    };
    const Case cases[] = {
        { "EmployeeSelected", { Arg(L"empl_1") } },
        { "ShowDetailedPreview", {} },
        { "ShowMissingItems", { Arg(L"empl_1"), Arg(L"x") } },
        { "ProcessWithDeletion", {} },
        { "OnCloseErrorDialog", {} },
        { "OnEmployeeSelect", {} },
        { "StartImport", { Arg(L"x") } },
        { "NoSuchCall", {} },
        // Not a row's id: nothing to strip the prefix from.
        { "ShowDetailedPreview", { Arg(L"em") } },
        { "EmployeeSelected", { Arg(L"7"), json::value(true) } },
    };
    for (const Case& c : cases)
        EXPECT_FALSE(Call(c.name, c.arguments)) << c.name;
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(UserActions, ScriptCallsReachTheController)
{
    struct Case {
        const char* name;
        std::vector<json::value> arguments;
        Calls expected;
    };
    const Case cases[] = {
        { "ChangeSite", {}, { "ChangeSite" } },
        { "InterruptChangingSite", {}, { "InterruptChangingSite" } },
        { "OnReviewMissingDataClick", {}, { "ShowMissingData" } },
        { "EmployeeSelected", { Arg(L"empl_42"), json::value(true) }, { "SelectEmployee 42 on" } },
        { "EmployeeSelected", { Arg(L"empl_42"), json::value(0) }, { "SelectEmployee 42 off" } },
        { "ShowDetailedPreview", { Arg(L"empl_42") }, { "ShowPreview 42 working" } },
        { "ShowMissingItems", { Arg(L"empl_42") }, { "ShowPreview 42 missing" } },
        { "OnViewErrorDialog", { Arg(L"anything") }, {} },
        { "OnCloseErrorDialog", { Arg(L"") }, {} },
        { "OnCloseErrorDialog", { Arg(L"reload") }, { "ReloadData" } },
        { "OnViewLogErrorDialog", {}, { "OpenImportLog", "ReloadData" } },
        { "OnStopImport", {}, { "StopImport" } },
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Call(c.name, c.arguments)) << c.name;
        EXPECT_EQ(c.expected, TakeCalls()) << c.name;
    }
    EXPECT_EQ(L"Stopping Import...", page.Text("#idProgressComment"));
    EXPECT_EQ(L"disabled", page.Attribute("#idStopImportButton", "disabled"));
}

TEST_F(UserActions, ProcessWithDeletionStoresTheChoiceAndStartsWithoutTheCheck)
{
    struct Case {
        const wchar_t* choice;
        bool stored;
    };
    for (const Case& c :
         { Case { L"delete_time_track", true }, Case { L"keep_time_track", false }, Case { L"x", false } }) {
        view->ShowAbsentTimeTrack(false);
        EXPECT_TRUE(Call("ProcessWithDeletion", { Arg(c.choice) }));
        EXPECT_EQ(c.stored, company.config->GetCanRemoveExistingQBTimeTrack());
        EXPECT_FALSE(IsShown("#absentTimeTrackBody"));
        EXPECT_EQ(Calls { "StartImport nocheck" }, TakeCalls());
        view->OnImportFinished();
    }
}

// The question shows before the run that asked has reported its end: an answer given at once
// starts the new run as soon as that end arrives, and not before. The progress shows from the
// answer on, and goes with a run that ends without showing it.
TEST_F(UserActions, AQuickAnswerToTheAbsentTimeTrackQuestionStartsTheRunOnceTheLastHasEnded)
{
    view->OnImportStarted();
    view->ShowAbsentTimeTrack(false);
    EXPECT_TRUE(Call("ProcessWithDeletion", { Arg(L"delete_time_track") }));
    EXPECT_FALSE(IsShown("#absentTimeTrackBody"));
    EXPECT_TRUE(IsShown("#ProgressBodyDialog"));
    EXPECT_TRUE(TakeCalls().empty());
    view->OnImportFinished();
    EXPECT_EQ(Calls { "StartImport nocheck" }, TakeCalls());
    EXPECT_TRUE(view->IsImportRunning());
    EXPECT_TRUE(IsShown("#ProgressBodyDialog"));
    view->OnImportFinished();
    EXPECT_TRUE(TakeCalls().empty());
    EXPECT_FALSE(IsShown("#ProgressBodyDialog"));
}

// The page reads the checked radio of this panel only, whatever else is checked on the page.
TEST_F(UserActions, ProceedSendsTheChoiceShownInThePanel)
{
    for (bool deleteAbsent : { true, false }) {
        company.config->SetCanRemoveExistingQBTimeTrack(deleteAbsent);
        view->ShowLoginPanel(IMainView::ConnectionOptions(), L"", L"");
        view->ShowAbsentTimeTrack(true);
        EXPECT_TRUE(IsShown("#idConflictFlag"));
        page.Click("#idBtnProcessWithDeletion");
        EXPECT_EQ(deleteAbsent, company.config->GetCanRemoveExistingQBTimeTrack());
        view->OnImportFinished();
    }
}

TEST_F(UserActions, AnImportStartsOnceHoweverOftenItIsAsked)
{
    Call("StartImport");
    Call("StartImport");
    page.Click("#import");
    Call("ProcessWithDeletion", { Arg(L"keep_time_track") });
    EXPECT_EQ(Calls { "StartImport check" }, TakeCalls());
    EXPECT_TRUE(IsDisabled("#import"));
    // Back from the absent-time-track question the import may be started again.
    view->ShowAbsentTimeTrack(false);
    Call("ReturnToPreview");
    EXPECT_FALSE(IsShown("#absentTimeTrackBody"));
    Call("StartImport");
    EXPECT_EQ(Calls { "StartImport check" }, TakeCalls());
}

TEST_F(UserActions, LinksAreAlwaysHandledAndOnlyTheForgottenPasswordLinkOpens)
{
    htmlayout::dom::element link = htmlayout::dom::element::create("a");
    link.set_attribute("href", L"https://example.com/reset");
    htmlayout::dom::element::root_element(view->GetHwnd()).find_first("body").append(link);
    EXPECT_TRUE(view->on_event(nullptr, link, EVENT_HYPERLINK_CLICK, 0));
    EXPECT_TRUE(TakeCalls().empty());
    link.set_attribute("id", L"forgotPasswordLink");
    EXPECT_TRUE(view->on_event(nullptr, link, EVENT_HYPERLINK_CLICK, 0));
    EXPECT_EQ(Calls { "OpenLink https://example.com/reset" }, TakeCalls());
    // A click with more bits than the click code is not a click.
    EXPECT_FALSE(view->on_event(nullptr, page.Find("#Settings"), EVENT_BUTTON_CLICK | EVENT_SINKING, 0));
    EXPECT_FALSE(view->on_event(nullptr, page.Find("#import"), EVENT_BUTTON_CLICK, 0));
}

std::wstring g_opened;
bool RecordOpen(const std::wstring& target)
{
    g_opened = target;
    return true;
}

TEST_F(UserActions, TheUserGuideOpensBesideTheProgram)
{
    SetShellOpener(&RecordOpen);
    page.Click("#UserGuide");
    SetShellOpener(nullptr);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program);
    folder.erase(folder.find_last_of(L'\\'));
    EXPECT_EQ(folder + L"\\User Guide\\index.html", g_opened);
}

bool RefuseOpen(const std::wstring& target)
{
    g_opened = target;
    return false;
}

// Nothing happening at all would leave the bookkeeper clicking again.
TEST_F(UserActions, AUserGuideTheShellCannotOpenIsExplained)
{
    SetShellOpener(&RefuseOpen);
    page.Click("#UserGuide");
    SetShellOpener(nullptr);
    EXPECT_TRUE(IsShown("#ErrorBodyDialog"));
    EXPECT_EQ(L"Cannot open the user guide", page.Text("#idErrorDialogTitle"));
    EXPECT_EQ(L"Cannot open " + g_opened, page.Text("#idErrorDialogProblemText"));
    EXPECT_EQ(L"It is not there", page.Text("#idErrorDialogReasonText"));
}

// A real mouse click, at the button's place in the window.
TEST_F(UserActions, ADisabledImportButtonDoesNothingWhenClicked)
{
    RECT place = htmlayout::dom::element(page.Find("#import")).get_location(LOCATION_VIEW_BORDER_BOX);
    ASSERT_LT(place.left, place.right);
    LPARAM point = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    auto clickImport = [&] {
        SendMessageW(view->GetHwnd(), WM_MOUSEMOVE, 0, point);
        SendMessageW(view->GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(view->GetHwnd(), WM_LBUTTONUP, 0, point);
        HTMLayoutTestFlushPostedEvents(view->GetHwnd());
    };
    view->OnImportStarted();
    clickImport();
    EXPECT_TRUE(TakeCalls().empty());
    view->OnImportFinished();
    clickImport();
    EXPECT_EQ(Calls { "StartImport check" }, TakeCalls());
}

}  // namespace
