// Changes through the C interface after the first layout, and what the window paints.
#include "WindowLayoutFixture.h"

using Layout = WindowLayoutTest;

TEST_F(Layout, EllipsisCutsTheTextThatOverflowsAClippedBox)
{
    Load("<div id=d style='width:70px;overflow:hidden;white-space:nowrap;text-overflow:ellipsis'>abcdefghijklmn</div>");
    // Nine characters and the ellipsis fill the 70 pixels (the recording shows the ellipsis as "?").
    EXPECT_EQ(1u, Recorded("text 0,12 \"abcdefghi?\" ").size());
    EXPECT_EQ("0,0 70x16", Box("#d"));
}

// Changes after the first layout: some need new boxes, some a new layout, some a new paint.
TEST_F(Layout, ChangesReachTheBoxes)
{
    Load("<style>#d { width: 100px } #d.wide { width: 300px } tr[hiderow=true] { display: none }"
         " td:checked { color: red }</style><div id=d>abc</div><table style='border-spacing:0'><tr id=a><td "
         "id=c>a</td></tr>"
         "<tr id=b><td>b</td></tr></table><p id=p style='margin:0'>x</p>");
    EXPECT_EQ("0,0 100x16", Box("#d"));
    HTMLayoutSetAttributeByName(Find("#d"), "class", L"wide");  // a new size
    EXPECT_EQ("0,0 300x16", Box("#d"));
    HTMLayoutSetAttributeByName(Find("#a"), "hiderow", L"true");  // a row goes
    EXPECT_EQ("none", Box("#a"));
    EXPECT_EQ("0,16 9x18", Box("#b"));
    HTMLayoutSetElementInnerText16(Find("#p"), L"aaaa bbbb", 9);  // new text
    EXPECT_EQ("0,34 800x16", Box("#p"));
    HTMLayoutSetStyleAttribute(Find("#p"), "width", L"35px");
    EXPECT_EQ("0,34 35x32", Box("#p"));
    HTMLayoutSetAttributeByName(Find("#a"), "hiderow", nullptr);
    HTMLayoutSetElementState(Find("#c"), STATE_CHECKED, 0, FALSE);  // only a new colour
    EXPECT_EQ(1u, Recorded("text 1,29 \"a\" 12px #FF0000").size());
    EXPECT_EQ("0,16 9x18", Box("#a"));
}
