// What the keyboard reaches without a control of its own: elements the page made focusable act
// on Enter and Space as on a click; lists close as they opened.
#include "EngineFixture.h"

namespace {

class KeyboardReach : public EngineTest {
protected:
    void Key(UINT key, UINT state = 0)
    {
        HTMLayoutTestKeyDown(hwnd_, nullptr, key, state);
        HTMLayoutTestKeyUp(hwnd_, nullptr, key, state);
    }
    void FocusOn(const char* selector) { HTMLayoutTestSetFocus(hwnd_, Find(selector)); }
};

}  // namespace

TEST_F(KeyboardReach, EnterAndSpaceClickWhatThePageMadeFocusable)
{
    std::vector<std::string> presses;
    behaviors_["presses"] = { [&](HELEMENT, UINT, void* params) {
                                 UINT cmd = static_cast<MOUSE_PARAMS*>(params)->cmd;
                                 if (cmd == MOUSE_DOWN || cmd == MOUSE_UP || cmd == MOUSE_CLICK)
                                     presses.push_back(cmd == MOUSE_DOWN ? "down" : cmd == MOUSE_UP ? "up" : "click");
                                 return false;
                             },
                              GROUP_MOUSE };
    Load("<style>#name, #sort { on-click: host clicked(self@id); } body { on-key-up-13: host enterUp(); }"
         "#sort { behavior: presses }</style><body>"
         "<table><tr><th id=sort tabindex=0>Employee</th></tr></table>"
         "<span id=name tabindex=0>Ana Ruiz</span><span id=styled style='focusable: true'>x</span>"
         "<a id=link href='x'>link</a><input id=t></body>");

    FocusOn("#name");
    Key(VK_RETURN);  // the click; the key's release is the page's as ever
    Key(VK_SPACE);
    std::vector<std::string> expected = { "clicked(\"name\")", "enterUp()", "clicked(\"name\")" };
    EXPECT_EQ(expected, events_);

    events_.clear();
    Key(VK_RETURN, KEYBOARD_CONTROL);  // a combination is no click
    Key(VK_SPACE, KEYBOARD_SHIFT);
    EXPECT_EQ(std::vector<std::string> { "enterUp()" }, events_);

    // Behaviours that act on the press (a sortable header) see the whole click.
    events_.clear();
    FocusOn("#sort");
    Key(VK_SPACE);
    EXPECT_EQ((std::vector<std::string> { "down", "up", "click" }), presses);
    EXPECT_EQ(std::vector<std::string> { "clicked(\"sort\")" }, events_);
    EXPECT_NE(0u, State(Find("#sort")) & STATE_FOCUS);  // the focus stays

    // A link keeps its own keys: Enter and Space follow it.
    events_.clear();
    FocusOn("#link");
    Key(VK_RETURN);
    Key(VK_SPACE);
    expected = { "event 0x80 from link", "enterUp()", "event 0x80 from link" };
    EXPECT_EQ(expected, events_);

    // An edit's Enter is the edit's; a focusable element by style acts as one by tabindex.
    events_.clear();
    FocusOn("#t");
    Key(VK_RETURN);
    EXPECT_EQ(std::vector<std::string> { "enterUp()" }, events_);
    events_.clear();
    windowHandler_ = [&](HELEMENT he, UINT group, void* params) {
        auto* mouse = static_cast<MOUSE_PARAMS*>(params);
        if (group == GROUP_MOUSE && mouse->cmd == MOUSE_CLICK)
            events_.push_back("click on " + Narrow(Attribute(he, "id")));
        return false;
    };
    FocusOn("#styled");
    Key(VK_SPACE);
    EXPECT_EQ(std::vector<std::string> { "click on styled" }, events_);
}

TEST_F(KeyboardReach, AHandlerThatTakesTheKeyLeavesNoClick)
{
    Load("<style>#name { on-click: host clicked(); }</style><body><span id=name tabindex=0>Ana</span></body>");
    windowHandler_ = [](HELEMENT, UINT group, void* params) {
        return group == GROUP_KEY && static_cast<KEY_PARAMS*>(params)->cmd == KEY_DOWN &&
               static_cast<KEY_PARAMS*>(params)->key_code == VK_RETURN;
    };
    FocusOn("#name");
    Key(VK_RETURN);
    EXPECT_TRUE(events_.empty());
    Key(VK_SPACE);
    EXPECT_EQ(std::vector<std::string> { "clicked()" }, events_);
}

// A focused button that is hidden since takes no key: Enter goes to the page, not to it.
TEST_F(KeyboardReach, AHiddenFocusedButtonIsNotPressed)
{
    Load("<style>body { on-key-up-13: host enterUp(); }</style><body><div id=panel><button id=b>Close</button></div>"
         "</body>");
    FocusOn("#b");
    HTMLayoutSetStyleAttribute(Find("#panel"), "display", L"none");
    Key(VK_RETURN);
    EXPECT_EQ(std::vector<std::string> { "enterUp()" }, events_);
}

// A press on a select's drop button focuses the select, so its keys work from there on.
TEST_F(KeyboardReach, ThePressOnADropButtonFocusesItsSelect)
{
    Load("<select id=s><caption></caption><button role=dropdown tabindex=-1 id=drop></button>"
         "<popup><option value=1>One</option><option value=2>Two</option></popup></select>");
    HTMLayoutTestClick(Find("#drop"), 0);
    EXPECT_NE(0u, State(Find("#s")) & STATE_FOCUS);
    Key(VK_F4);  // the click opened it: F4 closes
    Key(VK_DOWN, KEYBOARD_ALT);  // opens on the first
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
}

// A menu the page opens itself closes on the keys that open a drop-down, and keeps them.
TEST_F(KeyboardReach, AnOpenListClosesOnF4AndAltArrowsAndKeepsTheirRelease)
{
    Load("<style>#menu { behavior: select } body { on-key-up-115: host f4Up(); }</style><body>"
         "<div id=box tabindex=0><popup id=menu><option>A</option><option>B</option></popup></div></body>");
    HELEMENT menu = Find("#menu");
    FocusOn("#box");
    const std::pair<UINT, UINT> keys[] = { { VK_F4, 0 }, { VK_DOWN, KEYBOARD_ALT }, { VK_UP, KEYBOARD_ALT } };
    for (auto [key, state] : keys) {
        HTMLayoutSetElementState(menu, STATE_EXPANDED, 0, FALSE);
        Key(key, state);
        EXPECT_EQ(0u, State(menu) & STATE_EXPANDED) << key;
    }
    EXPECT_TRUE(events_.empty());
}
