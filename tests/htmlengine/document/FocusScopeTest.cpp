// Panels styled "focus-scope: contain", driven by real key messages posted to the window.
#include "EngineFixture.h"

#include <functional>

namespace {

const char kPage[] =
    "<style>"
    ".panel { display: none; focus-scope: contain; position: absolute; left: 0; top: 0; width: 300px; }"
    ".panel:expanded { display: block; }"
    "</style>"
    "<button id=behind>Behind</button><input id=field><div id=group tabindex=-1><button id=inner>In</button></div>"
    "<div id=login class=panel><input id=url autofocus><button id=connect>Connect</button></div>"
    "<div id=error class=panel><button id=close>Close</button></div>";

class FocusScope : public EngineTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EngineTest::SetUp());
        Load(kPage);
        HTMLayoutTestSetFocus(hwnd_, Find("#behind"));
        events_.clear();
    }

    void Key(UINT key, bool shift = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(hwnd_, WM_KEYDOWN, key, 1);
        PostMessageW(hwnd_, WM_KEYUP, key, 0xC0000001);
        MSG msg;
        while (PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    void Show(const char* panel, bool shown)
    {
        HTMLayoutSetElementState(Find(panel), shown ? STATE_EXPANDED : 0, shown ? 0 : STATE_EXPANDED, TRUE);
    }

    std::string Focused()
    {
        HELEMENT focus = Find(":focus");
        return focus ? Narrow(Attribute(focus, "id")) : "none";
    }
};

}  // namespace

TEST_F(FocusScope, TabCyclesInsideTheShownPanelAndNothingBehindTakesAKeyOrAClick)
{
    Show("#login", true);
    std::vector<std::string> order;
    for (int i = 0; i < 3; ++i) {
        Key(VK_TAB);
        order.push_back(Focused());
    }
    EXPECT_EQ((std::vector<std::string> { "connect", "url", "connect" }), order);
    Key(VK_TAB, true);
    EXPECT_EQ("url", Focused());

    HTMLayoutTestClick(Find("#behind"), 0);
    HTMLayoutTestKeyDown(hwnd_, Find("#behind"), VK_RETURN, 0);
    EXPECT_EQ(std::vector<std::string> {}, events_);
    Key(VK_TAB);
    Key(VK_RETURN);
    EXPECT_EQ(std::vector<std::string> { "event 0x0 from connect" }, events_);
}

TEST_F(FocusScope, TheFocusMovesInAndReturnsStepByStepAsPanelsCloseOverEachOther)
{
    Show("#login", true);
    Key(VK_SHIFT);  // any input settles the panels
    EXPECT_EQ("url", Focused());  // its autofocus element

    Show("#error", true);
    Key(VK_SHIFT);
    EXPECT_EQ("close", Focused());  // no autofocus: its first Tab stop
    Key(VK_TAB);
    EXPECT_EQ("close", Focused());

    Show("#error", false);
    Key(VK_SHIFT);
    EXPECT_EQ("url", Focused());
    Show("#login", false);
    Key(VK_SHIFT);
    EXPECT_EQ("behind", Focused());
    Key(VK_TAB);
    EXPECT_EQ("field", Focused());
}

// What held the focus before a panel went away meanwhile: the focus is never left nowhere.
TEST_F(FocusScope, WhenWhatOpenedAPanelIsGoneTheFocusGoesToThePagesFirstTabStop)
{
    HTMLayoutTestSetFocus(hwnd_, Find("#field"));
    Show("#error", true);
    Key(VK_SHIFT);
    HTMLayoutSetElementState(Find("#field"), STATE_DISABLED, 0, TRUE);
    Show("#error", false);
    Key(VK_SHIFT);
    EXPECT_EQ("behind", Focused());
}

// The one rule for a focus that cannot be used any more. Shift alone settles without acting.
TEST_F(FocusScope, AFocusThatCannotBeUsedGoesUpOrToTheEntryAndComesBackWhenItCan)
{
    auto disable = [&](const char* id, bool disabled) {
        HTMLayoutSetElementState(Find(id), disabled ? STATE_DISABLED : 0, disabled ? 0 : STATE_DISABLED, TRUE);
        Key(VK_SHIFT);
    };
    struct Case {
        const char* name;
        const char* focus;
        std::function<void()> act;
        const char* expected;
    };
    const Case cases[] = {
        { "disabled: its focusable ancestor", "#inner", [&] { disable("#inner", true); }, "group" },
        { "removed: the focusable ancestor it was in", "#inner",
          [&] {
              HTMLayoutDeleteElement(Find("#inner"));
              Key(VK_SHIFT);
          },
          "group" },
        { "disabled, no ancestor: the page's first Tab stop", "#field", [&] { disable("#field", true); }, "behind" },
        { "hidden in a panel: the panel's autofocus", "#behind",
          [&] {
              Show("#login", true);
              Key(VK_SHIFT);
              HTMLayoutTestSetFocus(hwnd_, Find("#connect"));
              HTMLayoutSetStyleAttribute(Find("#connect"), "visibility", L"hidden");
              Key(VK_SHIFT);
          },
          "url" },
        { "enabled again: back", "#field",
          [&] {
              disable("#field", true);
              disable("#field", false);
          },
          "field" },
        { "moved by the user meanwhile: stays", "#field",
          [&] {
              disable("#field", true);
              Key(VK_TAB);
              disable("#field", false);
          },
          "inner" },
        { "a closed panel's opener, enabled later: back", "#field",
          [&] {
              Show("#error", true);
              Key(VK_SHIFT);
              disable("#field", true);
              Show("#error", false);
              Key(VK_SHIFT);
              EXPECT_EQ("behind", Focused());
              disable("#field", false);
          },
          "field" },
    };
    for (const Case& each : cases) {
        Load(kPage);
        HTMLayoutTestSetFocus(hwnd_, Find(each.focus));
        each.act();
        EXPECT_EQ(each.expected, Focused()) << each.name;
    }
}
