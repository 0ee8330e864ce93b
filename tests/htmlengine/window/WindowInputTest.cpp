// Real mouse and keyboard messages posted to the window at the places layout gives. The
// window stays hidden, so the X pointer sends no moves of its own.
#include "WindowLayoutFixture.h"

namespace {

class WindowInput : public WindowLayoutTest {
protected:
    POINT CenterOf(const char* selector)
    {
        RECT box {};
        EXPECT_EQ(ENGINE_OK, HTMLayoutGetElementLocation(Find(selector), &box, LOCATION_VIEW_BORDER_BOX)) << selector;
        return { (box.left + box.right) / 2, (box.top + box.bottom) / 2 };
    }

    void Post(UINT msg, WPARAM wParam, POINT at) { PostMessageW(hwnd_, msg, wParam, MAKELPARAM(at.x, at.y)); }

    void Pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    void ClickAt(POINT at)
    {
        Post(WM_MOUSEMOVE, 0, at);
        Post(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Post(WM_LBUTTONUP, 0, at);
        Pump();
    }

    void Key(UINT key)
    {
        PostMessageW(hwnd_, WM_KEYDOWN, key, 1);
        PostMessageW(hwnd_, WM_KEYUP, key, 0xC0000001);
        Pump();
    }

    std::string Focused()
    {
        HELEMENT focus = Find(":focus");
        return focus ? Narrow(Attribute(focus, "id")) : "none";
    }

    // The mouse events of the window's handler, "4 on b" (down), "5 on b" (double), "255 on b".
    std::vector<std::string> mouse_;

    void RecordMouse()
    {
        windowHandler_ = [this](HELEMENT, UINT group, void* params) {
            auto* mouse = static_cast<MOUSE_PARAMS*>(params);
            if (group == GROUP_MOUSE && !(mouse->cmd & EVENT_SINKING) && mouse->cmd != MOUSE_UP)
                mouse_.push_back(std::to_string(mouse->cmd) + " on " + Narrow(Attribute(mouse->target, "id")));
            return false;
        };
    }
};

}  // namespace

TEST_F(WindowInput, AClickReachesTheButtonInACellAndNothingUnderAnOverlay)
{
    Load("<table><tr><td id=cell><button id=b>Go</button></td></tr></table>"
         "<button id=covered style='margin-top:50px'>Covered</button>"
         "<div id=overlay style='position:absolute;left:0;top:40px;width:400px;height:100px'></div>");
    ClickAt(CenterOf("#b"));
    EXPECT_EQ((std::vector<std::string> { "event 0x0 from b" }), events_);
    events_.clear();
    POINT covered = CenterOf("#covered");
    EXPECT_EQ(Find("#overlay"), At(covered.x, covered.y));
    ClickAt(covered);
    EXPECT_TRUE(events_.empty());
}

TEST_F(WindowInput, ADoubleClickIsOneDoubleClickBetweenTwoClicks)
{
    Load("<div id=d style='width:100px;height:30px'>x</div>");
    RecordMouse();
    POINT at = CenterOf("#d");
    Post(WM_LBUTTONDOWN, MK_LBUTTON, at);
    Post(WM_LBUTTONUP, 0, at);
    Post(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    Post(WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ((std::vector<std::string> { "4 on d", "255 on d", "4 on d", "5 on d", "255 on d" }), mouse_);
}

TEST_F(WindowInput, ControlAndShiftReachTheHandlersWithTheClick)
{
    Load("<div id=d style='width:100px;height:30px'>x</div>");
    UINT keyboard = 0;
    windowHandler_ = [&](HELEMENT, UINT group, void* params) {
        auto* mouse = static_cast<MOUSE_PARAMS*>(params);
        if (group == GROUP_MOUSE && mouse->cmd == MOUSE_CLICK)
            keyboard = mouse->alt_state;
        return false;
    };
    POINT at = CenterOf("#d");
    Post(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL | MK_SHIFT, at);
    Post(WM_LBUTTONUP, MK_CONTROL | MK_SHIFT, at);
    Pump();
    EXPECT_EQ(UINT(KEYBOARD_CONTROL | KEYBOARD_SHIFT), keyboard);
}

TEST_F(WindowInput, TabMovesTheFocusThroughWhatCanTakeIt)
{
    Load("<input id=a><input id=disabled disabled><button id=b>b</button><input id=hidden style='display:none'>"
         "<input id=invisible style='visibility:hidden'><select id=s><caption></caption>"
         "<button role=dropdown tabindex=-1 id=drop></button><popup><option>x</option></popup></select>"
         "<a href='#x' id=link>link</a><input id=first tabindex=1 value=old>");
    Key(VK_TAB);
    EXPECT_EQ("first", Focused());
    HTMLayoutTestType(hwnd_, nullptr, L"new");  // Tab selected the text: typing replaces it
    EXPECT_EQ(L"\"new\"", Value(Find("#first")));
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        Key(VK_TAB);
        order.push_back(Focused());
    }
    EXPECT_EQ((std::vector<std::string> { "a", "b", "s", "link", "first" }), order);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ("link", Focused());
}

// A table whose rows scroll between its header and footer, in a box that scrolls too: whatever
// Tab reaches, both ways, shows whole inside every scroll port around it, with its focus ring
// and its table row.
TEST_F(WindowInput, TabShowsTheWholeFocusedElementItsRingAndItsRowInsideEveryScroller)
{
    std::string rows;
    for (int i = 0; i < 12; ++i)
        rows += "<tr id=r" + std::to_string(i) + " style='height:30px'><td><span><input type=checkbox id=c" +
                std::to_string(i) + "></span></td></tr>";
    Load("<style>input:focus { outline: 2px solid blue; outline-offset: 2px }</style>"
         "<div id=outer style='height:160px;overflow:auto'><div style='height:60px'></div>"
         "<table style='height:150px;border-spacing:0'><thead><tr style='height:40px'><th>head</th></tr></thead>"
         "<tbody id=rows style='overflow-y:auto'>" +
         rows +
         "</tbody><tfoot><tr style='height:30px'><td>foot</td></tr></tfoot></table>"
         "<div style='height:120px'></div></div>");
    auto inside = [&](const std::string& selector, const char* port, int ring) {
        RECT element {}, area {};
        HTMLayoutGetElementLocation(Find(selector.c_str()), &element, LOCATION_VIEW_BORDER_BOX);
        HTMLayoutGetElementLocation(Find(port), &area, LOCATION_VIEW_SCROLL_PORT);
        return element.top - ring >= area.top && element.bottom + ring <= area.bottom;
    };
    BYTE keys[256] = {};
    for (bool backwards : { false, true }) {
        GetKeyboardState(keys);
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        SetKeyboardState(keys);
        for (int i = 0; i < 12; ++i) {
            Key(VK_TAB);
            std::string row = "#r" + Focused().substr(1);
            for (const char* port : { "#rows", "#outer" }) {
                EXPECT_TRUE(inside("#" + Focused(), port, 4)) << Focused() << " in " << port << " " << backwards;
                EXPECT_TRUE(inside(row, port, 0)) << row << " in " << port << " " << backwards;
            }
        }
    }
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// The keyboard's way to a tip: Tab onto an element with a titleid shows its popup at once under
// it, or above it at the window's foot, never over the element and its ring; the next key hides it.
TEST_F(WindowInput, TabOntoAnElementWithATipShowsItBesideTheElement)
{
    for (int spaceAbove : { 40, 560 }) {
        Load("<button id=a>a</button><div style='height:" + std::to_string(spaceAbove) +
             "px'></div><span id=legend tabindex=0 titleid=tip>billed</span><popup id=tip>There is time which is "
             "already billed.</popup>");
        Key(VK_TAB);
        Key(VK_TAB);
        ASSERT_EQ("legend", Focused());
        ASSERT_NE(0u, State(Find("#tip")) & STATE_EXPANDED);
        RECT legend {}, tip {};
        HTMLayoutGetElementLocation(Find("#legend"), &legend, LOCATION_VIEW_BORDER_BOX);
        HTMLayoutGetElementLocation(Find("#tip"), &tip, LOCATION_VIEW_BORDER_BOX);
        const bool below = spaceAbove < 100;
        EXPECT_EQ(below, tip.top >= legend.bottom + 2) << spaceAbove;
        EXPECT_EQ(!below, tip.bottom <= legend.top - 2) << spaceAbove;
        EXPECT_LE(below ? tip.top - legend.bottom : legend.top - tip.bottom, 8) << spaceAbove;
        Key(VK_TAB);
        EXPECT_EQ("a", Focused());
        EXPECT_EQ(0u, State(Find("#tip")) & STATE_EXPANDED);
    }
}

TEST_F(WindowInput, TheWheelScrollsTheTableUnderThePointerNotThePage)
{
    std::string rows;
    for (int i = 0; i < 50; ++i)
        rows += "<tr><td>row " + std::to_string(i) + "</td></tr>";
    Load("<div style='height:2000px'><div id=box style='height:200px;overflow:auto'><table id=t>" + rows +
         "</table></div></div>");
    RECT before {}, after {};
    HTMLayoutGetElementLocation(Find("#t"), &before, LOCATION_VIEW_BORDER_BOX);
    POINT screen = CenterOf("#box");
    ClientToScreen(hwnd_, &screen);
    PostMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    Pump();
    HTMLayoutGetElementLocation(Find("#t"), &after, LOCATION_VIEW_BORDER_BOX);
    EXPECT_EQ(before.top - 48, after.top);
    RECT box {};
    HTMLayoutGetElementLocation(Find("#box"), &box, LOCATION_VIEW_BORDER_BOX);
    EXPECT_EQ(0, box.top);  // the page itself did not move
}

TEST_F(WindowInput, HoverFollowsThePointerAndADragOnTheThumbScrolls)
{
    Load("<style>#h:hover { color: red }</style><div id=h style='height:40px'>x</div>"
         "<div id=box style='width:200px;height:100px;overflow-y:scroll'><div id=c style='height:1000px'></div></div>");
    Post(WM_MOUSEMOVE, 0, CenterOf("#h"));
    Pump();
    EXPECT_NE(0u, State(Find("#h")) & STATE_HOVER);
    RECT box {};
    HTMLayoutGetElementLocation(Find("#box"), &box, LOCATION_VIEW_BORDER_BOX);
    POINT thumb { box.right - 7, box.top + 5 };  // the thumb starts at the top of the bar
    Post(WM_MOUSEMOVE, 0, thumb);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, thumb);
    Post(WM_MOUSEMOVE, MK_LBUTTON, POINT { thumb.x, thumb.y + 45 });
    Post(WM_LBUTTONUP, 0, POINT { thumb.x, thumb.y + 45 });
    Pump();
    EXPECT_EQ(0u, State(Find("#h")) & STATE_HOVER);
    RECT content {};
    HTMLayoutGetElementLocation(Find("#c"), &content, LOCATION_VIEW_BORDER_BOX);
    // 45 of the track's 100 - 16 (the thumb) pixels move the content by 45 * 900 / 84.
    EXPECT_EQ(box.top - 45 * 900 / 84, content.top);
}

TEST_F(WindowInput, OutsideTheEventRootNothingIsClickedAndAPressReleasedElsewhereIsNoClick)
{
    Load("<button id=outside>o</button><div id=dialog><button id=inside>i</button></div>"
         "<button id=other style='margin-left:100px'>x</button>");
    HELEMENT previous = nullptr;
    HTMLayoutSetEventRoot(Find("#dialog"), &previous);
    ClickAt(CenterOf("#outside"));
    ClickAt(CenterOf("#inside"));
    EXPECT_EQ((std::vector<std::string> { "event 0x0 from inside" }), events_);
    HTMLayoutSetEventRoot(previous, &previous);
    events_.clear();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, CenterOf("#outside"));
    Post(WM_MOUSEMOVE, MK_LBUTTON, CenterOf("#other"));
    Post(WM_LBUTTONUP, 0, CenterOf("#other"));
    Pump();
    EXPECT_TRUE(events_.empty());  // pressed on one button, released over another
}

TEST_F(WindowInput, TheRightButtonPressesButDoesNotClick)
{
    Load("<button id=b>b</button>");
    RecordMouse();
    Post(WM_RBUTTONDOWN, MK_RBUTTON, CenterOf("#b"));
    Post(WM_RBUTTONUP, 0, CenterOf("#b"));
    Pump();
    EXPECT_EQ((std::vector<std::string> { "4 on b" }), mouse_);
    EXPECT_TRUE(events_.empty());
}

TEST_F(WindowInput, ClicksGoThroughWhatAScrollerHidesAndReachLinksInText)
{
    Load("<div id=box style='height:40px;overflow:hidden'><div style='height:30px'></div>"
         "<button id=hidden>under the edge</button></div>"
         "<p id=p>some words and <a href='#x' id=link>a link</a> inside</p>");
    RECT box {};
    HTMLayoutGetElementLocation(Find("#hidden"), &box, LOCATION_VIEW_BORDER_BOX);
    ASSERT_GT(box.bottom, 40);
    EXPECT_NE(Find("#hidden"), At(box.left + 2, 45));  // the part the scroller clips is not there
    POINT link = CenterOf("#link");
    EXPECT_EQ(Find("#link"), At(link.x, link.y));
    ClickAt(link);
    EXPECT_EQ((std::vector<std::string> { "event 0x80 from link" }), events_);
}
