#include <algorithm>
#include <string>
#include <vector>

#include "PageFixture.h"

namespace {

const char kPage[] = R"(<html><head><style>
#box { behavior: light-box-dialog; }
#show { on-click: call show() on $('#box'); }
#hide { on-click: call hide() on $('#box'); }
</style></head><body>
<input id="before">
<div id="host"><button id="show">Show</button>
  <div id="box"><input id="field"><button id="hide">Hide</button>
    <button role="ok-button" id="ok">OK</button><button role="cancel-button" id="cancel">Cancel</button></div>
  <span id="after">after</span></div>
</body></html>)";

class LightBoxTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }

    void Show()
    {
        HTMLayoutTestSetFocus(hwnd_, page.Find("#show"));
        HTMLayoutTestClick(page.Find("#show"), 0);
        TakeEvents();
    }
    bool Shown() { return page.Find("#box").parent().get_attribute("class") != nullptr; }
    bool Saw(const std::string& event)
    {
        std::vector<std::string> events = TakeEvents();
        return std::find(events.begin(), events.end(), event) != events.end();
    }
};

TEST_F(LightBoxTest, ShowMovesThePanelIntoAShimThatTakesTheInput)
{
    Show();
    ASSERT_TRUE(Shown());
    htmlayout::dom::element shim = page.Find("#box").parent();
    EXPECT_STREQ(L"shim", shim.get_attribute("class"));
    EXPECT_EQ(page.Root(), shim.parent());
    EXPECT_STREQ(L"block", page.Find("#box").get_style_attribute("display"));

    HTMLayoutTestClick(page.Find("#show"), 0);  // outside the panel: ignored
    EXPECT_FALSE(Saw("0x0 from show reason 0"));
}

TEST_F(LightBoxTest, ShowingTwiceAndHidingOnceReturnsThePanelWithTheFocus)
{
    Show();
    HTMLayoutTestClick(page.Find("#show"), 0);
    HTMLayoutTestClick(page.Find("#hide"), 0);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(page.Find("#host"), page.Find("#box").parent());
    EXPECT_EQ(1u, page.Find("#box").index());
    EXPECT_EQ("", Ids("div.shim"));
    EXPECT_TRUE(HasState(page.Find("#show"), STATE_FOCUS));

    HTMLayoutTestClick(page.Find("#show"), 0);
    EXPECT_TRUE(Saw("0x0 from show reason 0"));
}

TEST_F(LightBoxTest, EnterAndEscapeClickTheOkAndCancelButtonsWhichHideThePanel)
{
    Show();
    HTMLayoutTestKeyDown(hwnd_, page.Find("#field"), VK_RETURN, 0);
    EXPECT_TRUE(Saw("0x0 from ok reason 0"));
    EXPECT_FALSE(Shown());

    Show();
    HTMLayoutTestKeyDown(hwnd_, page.Find("#field"), VK_ESCAPE, 0);
    EXPECT_TRUE(Saw("0x0 from cancel reason 0"));
    EXPECT_FALSE(Shown());

    HTMLayoutTestKeyDown(hwnd_, page.Find("#field"), VK_ESCAPE, 0);  // hidden: nothing to close
    EXPECT_FALSE(Shown());
}

// The panel opens focused on its OK button, which Enter presses wherever the focus is; when the
// panel hides, the focus goes back to what showed it, or, when that is gone, to the first
// control of the page.
TEST_F(LightBoxTest, ThePanelOpensOnItsOkButtonAndGivesTheFocusBackWhenItHides)
{
    Show();
    EXPECT_TRUE(HasState(page.Find("#ok"), STATE_FOCUS));
    HTMLayoutTestSetFocus(hwnd_, page.Find("#cancel"));
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_RETURN, 0);
    EXPECT_TRUE(Saw("0x0 from ok reason 0"));
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(HasState(page.Find("#show"), STATE_FOCUS));

    Show();
    page.Find("#show").set_state(STATE_DISABLED, 0);
    HTMLayoutTestKeyDown(hwnd_, nullptr, VK_RETURN, 0);
    EXPECT_TRUE(Saw("0x0 from ok reason 0"));
    EXPECT_TRUE(HasState(page.Find("#before"), STATE_FOCUS));
}

}  // namespace
