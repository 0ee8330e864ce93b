// Popups opened through the C interface and the test hooks, and scrolling boxes moved by the wheel.
#include "WindowLayoutFixture.h"

using Positions = WindowLayoutTest;

TEST_F(Positions, PopupsGoUnderTheirOwnerOrAboveNearTheBottom)
{
    const char* page = "<style>popup { border: none }</style>"
                       "<div id=top style='width:100px;height:20px'><popup id=p1 style='height:50px'>x</popup></div>"
                       "<div style='height:530px'></div>"
                       "<div id=low style='overflow:hidden;width:100px;height:20px'><popup id=p2 "
                       "style='height:100px'>wider than its owner</popup></div>";
    Load(page);
    HTMLayoutSetElementState(Find("#p1"), STATE_EXPANDED, 0, FALSE);
    HTMLayoutSetElementState(Find("#p2"), STATE_EXPANDED, 0, FALSE);
    EXPECT_EQ("0,20 100x50", Box("#p1"));  // as wide as its owner at least
    EXPECT_EQ("0,450 140x100", Box("#p2"));  // above, not clipped by its owner's overflow
    EXPECT_EQ(Find("#p2"), At(130, 460));
}

// Content inside a popup changed before the popup itself in one update: the popup's new
// boxes replace the old ones, which the changed content must not be looked for in.
TEST_F(Positions, APopupChangedAfterItsContentIsBuiltOnce)
{
    Load("<div id=owner style='width:100px;height:20px'><popup id=p><div id=inner>x</div></popup></div>");
    HTMLayoutSetElementState(Find("#p"), STATE_EXPANDED, 0, FALSE);
    EXPECT_EQ("1,21 98x16", Box("#inner"));
    HTMLayoutSetElementInnerText16(Find("#inner"), L"a b", 3);
    HTMLayoutSetAttributeByName(Find("#p"), "style", L"display:flex");  // its boxes built anew
    EXPECT_EQ("1,21 21x16", Box("#inner"));
}

TEST_F(Positions, ALongPopupScrollsInTheRoomItHas)
{
    std::string options;
    for (int i = 0; i < 100; ++i)
        options += "<option>option</option>";
    Load("<div style='height:200px'></div><select id=s style='width:200px'><caption></caption><popup id=p>" + options +
         "</popup></select>");
    HTMLayoutTestClick(Find("#s caption"), 0);
    RECT select {}, popup {};
    HTMLayoutGetElementLocation(Find("#s"), &select, 0x21);
    HTMLayoutGetElementLocation(Find("#p"), &popup, 0x21);
    EXPECT_EQ(select.bottom, popup.top);
    EXPECT_EQ(select.left, popup.left);
    EXPECT_GE(popup.right - popup.left, select.right - select.left);
    EXPECT_LE(popup.bottom, 600);
    EXPECT_LE(popup.bottom - popup.top, 15 * 24 + 4);  // a list shows about 15 options, then scrolls
    HTMLayoutTestClick(Find("#s caption"), 0);
    EXPECT_EQ("none", Box("#p"));  // closed again
    HTMLayoutTestChooseOption(Find("#s"), 99, nullptr);
    EXPECT_EQ("none", Box("#p"));
    EXPECT_EQ(L"option", Text(Find("#s caption")));
}

TEST_F(Positions, AScrollingBoxHasARangeAndTheWheelMovesIt)
{
    Load("<div id=s style='width:200px;height:100px;overflow:auto'><div id=c style='height:400px'></div>"
         "<div id=end style='height:10px'></div></div>");
    EXPECT_EQ("0,0 186x400", Box("#c"));  // the vertical bar takes its width
    SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(50, 50));
    EXPECT_EQ("0,-48 186x400", Box("#c"));
    for (int i = 0; i < 20; ++i)
        SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(50, 50));
    EXPECT_EQ("0,90 186x10", Box("#end")) << Box("#s", 0x61) << BoxDump();  // at the end of its range: 410 - 100
    SendMessageW(hwnd_, WM_MOUSEWHEEL, MAKEWPARAM(0, 20 * WHEEL_DELTA), MAKELPARAM(50, 50));
    EXPECT_EQ("0,0 186x400", Box("#c"));
}
