// The main page's overlays hold the keyboard: real key messages posted to the window never
// reach the toolbar or the dates behind a shown panel, and the focus comes back when it goes.
#include "MainPageFixture.h"
#include "htmlengine/api/EngineTestHooks.h"

namespace {

class ModalPanels : public MainPageTest {
protected:
    bool FocusInside(const char* panel)
    {
        HELEMENT focus = page.FirstMatch(":focus");
        return !focus || htmlayout::dom::element(focus).select_parent_w(L"%hs", panel).is_valid();
    }
};

}  // namespace

// The stop button is all the panel holds: Enter on it stops the import, and nothing behind
// the panel (the reload the focus was on, the settings, the dates) ever hears of a key.
TEST_F(ModalPanels, DuringAnImportTabAndEnterReachNothingBehindTheProgressPanel)
{
    HTMLayoutTestSetFocus(view->GetHwnd(), page.Find("#ReloadData"));
    view->ResetImportProgress();
    view->ShowImportProgress();
    view->OnImportStarted();
    for (int round = 0; round < 6; ++round) {
        Key(VK_TAB);
        EXPECT_TRUE(FocusInside("#ProgressBodyDialog")) << Focused();
        Key(VK_RETURN);
    }
    for (const std::string& call : TakeCalls())
        EXPECT_EQ("StopImport", call);
    view->ShowImportSucceeded();
    view->OnImportFinished();
    view->HideImportProgress();
    Key(VK_SHIFT);
    EXPECT_EQ("ReloadData", Focused());
}

TEST_F(ModalPanels, TheLoginPanelTakesTheFocusToTheAddressAndGivesItBack)
{
    HTMLayoutTestSetFocus(view->GetHwnd(), page.Find("#Settings"));
    view->ShowLoginPanel(IMainView::ConnectionOptions(), L"", L"");
    Key(VK_SHIFT);
    EXPECT_EQ("loginDialog_Url", Focused());
    for (int round = 0; round < 7; ++round) {
        Key(VK_TAB);
        EXPECT_TRUE(FocusInside("#bodydialog")) << Focused();
    }
    view->HideLoginPanel();
    Key(VK_SHIFT);
    EXPECT_EQ("Settings", Focused());
    EXPECT_TRUE(TakeCalls().empty());
}
