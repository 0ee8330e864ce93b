#include <string>
#include <vector>

#include "PageFixture.h"
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/TabSelection.h"

using htmlayout::dom::element;

namespace {

// Five tabs: the third names no panel, the fifth is disabled. The first panel holds a tab
// container of its own.
const char kPage[] = R"(<html><head><style>
.tabs { behavior: tabs; }
.tabs > [name]:collapsed { display: none; }
</style></head><body>
<div class="tabs" id="outer">
  <div class="strip" id="strip">
    <div panel="p1" id="t1" selected>One</div><div panel="p2" id="t2">Two</div>
    <div panel="missing" id="t3">Three</div><div panel="p4" id="t4">Four</div>
    <div panel="p5" id="t5" disabled>Five</div>
  </div>
  <div name="p1" id="p1" selected><input id="field">
    <div class="tabs" id="inner">
      <div class="strip"><div panel="q1" id="u1" selected>A</div><div panel="q2" id="u2">B</div></div>
      <div name="q1" id="q1">a</div><div name="q2" id="q2">b</div>
    </div>
  </div>
  <div name="p2" id="p2">2</div><div name="p4" id="p4">4</div><div name="p5" id="p5">5</div>
</div>
</body></html>)";

class TabsTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
        TakeEvents();
    }

    std::string CurrentTab() { return Ids("#strip > [panel]:current"); }
    std::string ShownPanel() { return Ids("#outer > [name]:expanded"); }
    void Key(UINT key_code, UINT keyboard_state = 0)
    {
        HTMLayoutTestKeyDown(hwnd_, nullptr, key_code, keyboard_state);
        page.Flush();
    }
    void Click(const char* selector)
    {
        HTMLayoutTestClick(page.Find(selector), 0);
        page.Flush();
    }
    // What the behaviour answers, dispatched straight to it.
    BOOL MouseDownAnswer(const char* target)
    {
        MOUSE_PARAMS mouse = {};
        mouse.cmd = MOUSE_DOWN;
        mouse.target = page.Find(target);
        mouse.button_state = 1;
        htmlayout::event_handler* tabs = htmlayout::behavior::find_behavior("tabs", page.Find("#outer"));
        return htmlayout::event_handler::element_proc(tabs, page.Find("#outer"), GROUP_MOUSE, &mouse);
    }
};

TEST_F(TabsTest, AttachingMarksTheSelectedTabAndItsPanel)
{
    EXPECT_EQ("t1", CurrentTab());
    EXPECT_TRUE(HasState(page.Find("#strip"), STATE_CURRENT));
    EXPECT_EQ("p1", ShownPanel());
    EXPECT_EQ("u1", Ids("#inner > .strip > [panel]:current"));
}

TEST_F(TabsTest, ClickingATabMovesSelectionAndStatesAndPostsLostThenCurrent)
{
    Click("#t4");
    EXPECT_EQ("t4", CurrentTab());
    EXPECT_EQ("p4", ShownPanel());
    EXPECT_TRUE(HasState(page.Find("#p1"), STATE_COLLAPSED));
    EXPECT_EQ(nullptr, page.Find("#t1").get_attribute("selected"));
    EXPECT_EQ(nullptr, page.Find("#p1").get_attribute("selected"));
    EXPECT_STREQ(L"", page.Find("#t4").get_attribute("selected"));
    EXPECT_STREQ(L"", page.Find("#p4").get_attribute("selected"));
    std::vector<std::string> events = TakeEvents();
    std::vector<std::string> expected = { "0x90 from t1 reason 0", "0x91 from t4 reason 0" };
    EXPECT_EQ(expected, std::vector<std::string>(events.begin(), events.begin() + std::min<size_t>(2, events.size())));

    Click("#t4");
    EXPECT_EQ("t4", CurrentTab());
    events = TakeEvents();
    EXPECT_EQ(std::find(events.begin(), events.end(), "0x91 from t4 reason 0"), events.end());
}

TEST_F(TabsTest, ATabWithoutItsPanelIsNotSelectedYetTheClickIsTaken)
{
    EXPECT_TRUE(MouseDownAnswer("#t3"));
    EXPECT_EQ("t1", CurrentTab());
    EXPECT_EQ("p1", ShownPanel());
    EXPECT_FALSE(MouseDownAnswer("#p2"));
}

TEST_F(TabsTest, KeysOnAFocusedTabMoveAndSkipDisabledTabs)
{
    HTMLayoutTestSetFocus(hwnd_, page.Find("#t1"));
    Key(VK_END);
    EXPECT_EQ("t4", CurrentTab());
    HTMLayoutTestSetFocus(hwnd_, page.Find("#t4"));
    Key(VK_RIGHT);
    EXPECT_EQ("t4", CurrentTab());
    Key(VK_HOME);
    EXPECT_EQ("t1", CurrentTab());
    HTMLayoutTestSetFocus(hwnd_, page.Find("#t1"));
    Key(VK_RIGHT);
    EXPECT_EQ("t2", CurrentTab());
    HTMLayoutTestSetFocus(hwnd_, page.Find("#t2"));
    Key(VK_LEFT);
    EXPECT_EQ("t1", CurrentTab());
}

// The focus in the panel that goes is not left on a hidden field: the strip takes it.
TEST_F(TabsTest, CtrlTabWorksFromInsideAPanelWhereArrowsDoNot)
{
    HTMLayoutTestSetFocus(hwnd_, page.Find("#field"));
    Key(VK_LEFT);
    Key(VK_END);
    EXPECT_EQ("t1", CurrentTab());
    Key(VK_TAB, KEYBOARD_CONTROL);
    EXPECT_EQ("t2", CurrentTab());
    EXPECT_TRUE(HasState(page.Find("#outer"), STATE_FOCUS));
    Key(VK_TAB, KEYBOARD_CONTROL | KEYBOARD_SHIFT);
    EXPECT_EQ("t1", CurrentTab());
}

TEST_F(TabsTest, InnerTabsSwitchWithoutTouchingTheOuterOnes)
{
    Click("#u2");
    EXPECT_EQ("u2", Ids("#inner > .strip > [panel]:current"));
    EXPECT_TRUE(HasState(page.Find("#q2"), STATE_EXPANDED));
    EXPECT_TRUE(HasState(page.Find("#q1"), STATE_COLLAPSED));
    EXPECT_EQ("t1", CurrentTab());
    EXPECT_EQ("p1", ShownPanel());
}

TEST_F(TabsTest, CodeActivateChildAndScriptSelectTheSameWayAsAClick)
{
    EXPECT_TRUE(htmlayout::select_tab(page.Find("#outer"), page.Find("#t2")));
    EXPECT_EQ("t2", CurrentTab());
    EXPECT_EQ("p2", ShownPanel());
    EXPECT_TRUE(htmlayout::select_tab_by_panel(page.Find("#outer"), L"p4"));
    EXPECT_EQ("t4", CurrentTab());
    EXPECT_FALSE(htmlayout::select_tab_by_panel(page.Find("#outer"), L"nothing"));
    page.Flush();
    std::vector<std::string> events = TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "0x90 from t2 reason 0"), events.end());

    EXPECT_TRUE(page.Find("#t1").send_event(EVENT_ACTIVATE_CHILD, 0, page.Find("#t1")));
    EXPECT_EQ("t1", CurrentTab());

    json::value panel(L"p2");
    XCALL_PARAMS call = { METHOD_SCRIPT_CALL, "select", 1, &panel.native(), {} };
    ValueInit(&call.retval);
    htmlayout::event_handler* tabs = htmlayout::behavior::find_behavior("tabs", page.Find("#outer"));
    EXPECT_TRUE(htmlayout::event_handler::element_proc(tabs, page.Find("#outer"), GROUP_METHOD_CALL, &call));
    ValueClear(&call.retval);
    EXPECT_EQ("t2", CurrentTab());
}

}  // namespace
