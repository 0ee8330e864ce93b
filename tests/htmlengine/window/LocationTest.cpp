// Where the C API says elements are, what it scrolls to show them, and what it calls visible.
#include "WindowLayoutFixture.h"

using Locations = WindowLayoutTest;

TEST_F(Locations, AreasOfABox)
{
    Load("<div style='height:1000px'></div>"
         "<div id=b style='margin:5px 6px;border:2px solid;padding:3px;width:100px;height:50px;overflow:scroll'>"
         "<div style='height:300px'></div></div>");
    EXPECT_EQ("11,1010 100x50", Box("#b", 0x01));  // content box
    EXPECT_EQ("8,1007 106x56", Box("#b", 0x11));  // padding box
    EXPECT_EQ("6,1005 110x60", Box("#b", 0x21));  // border box
    EXPECT_EQ("0,1000 122x70", Box("#b", 0x31));  // margin box
    EXPECT_EQ("8,1007 92x42", Box("#b", 0x61));  // the scroll port: the padding box less both bars
    HTMLayoutScrollToView(Find("#b"), 0);
    EXPECT_EQ("6,540 110x60", Box("#b", 0x21));  // the viewport scrolled just enough
    EXPECT_EQ("6,1005 110x60", Box("#b", 0x22));  // relative to the document it did not move
}

TEST_F(Locations, ScrollingToAnElementMovesEveryScrollerAroundIt)
{
    std::string lines;
    for (int i = 0; i < 30; ++i)
        lines += "<div style='height:20px'>line</div>";
    Load("<div id=outer style='height:200px;overflow:auto'><div style='height:400px'></div>"
         "<div id=inner style='height:100px;overflow:auto'>" +
         lines + "<p id=target style='margin:0'>t</p></div></div>");
    HTMLayoutScrollToView(Find("#target"), 0);
    RECT outer {}, target {}, inner {};
    HTMLayoutGetElementLocation(Find("#outer"), &outer, 0x21);
    HTMLayoutGetElementLocation(Find("#inner"), &inner, 0x21);
    HTMLayoutGetElementLocation(Find("#target"), &target, 0x21);
    EXPECT_GE(target.top, inner.top);
    EXPECT_LE(target.bottom, inner.bottom);
    EXPECT_GE(inner.top, outer.top);
    EXPECT_LE(inner.bottom, outer.bottom);
    EXPECT_EQ(inner.bottom, target.bottom);  // just enough: the target sits at the bottom
}

TEST_F(Locations, VisibleMeansABoxThatNothingHides)
{
    Load("<div id=hidden style='visibility:hidden'><span id=in>x</span></div><div style='display:none'><p "
         "id=gone>y</p></div>"
         "<div style='height:10px;overflow:hidden'><div style='height:100px'></div><p id=clipped>z</p></div>"
         "<p id=empty></p>");
    BOOL visible = TRUE;
    HTMLayoutIsElementVisible(Find("#in"), &visible);
    EXPECT_FALSE(visible);
    HTMLayoutIsElementVisible(Find("#gone"), &visible);
    EXPECT_FALSE(visible);
    HTMLayoutIsElementVisible(Find("#clipped"), &visible);
    EXPECT_TRUE(visible);  // out of sight, not hidden
    HTMLayoutIsElementVisible(Find("#empty"), &visible);
    EXPECT_TRUE(visible);
    RECT none { 1, 1, 1, 1 };
    HTMLayoutGetElementLocation(Find("#gone"), &none, 0x21);
    EXPECT_EQ(0, none.left + none.top + none.right + none.bottom);
}

TEST_F(Locations, InlineElementsListsFloatsAndBaselines)
{
    RunCases(
        *this,
        {
            { "an inline element over two lines is the union of its fragments",
              "<div style='width:70px'>aaa <b id=b>bbbb cccc</b></div>",
              { "#b 0,0 56x32" } },
            { "padding and borders of inline elements take room on the line",
              "<div><span id=s style='padding:0 5px;border-left:2px solid'>x</span>y</div>",
              { "#s 0,0 19x16" } },
            { "a float sits at the right, the lines beside it",
              "<div id=d style='width:100px'><img id=f style='float:right;width:20px;height:20px'>aaaaaaaaaa bb</div>",
              { "#f 80,0 20x20", "#d 0,0 100x32" } },
            { "sub and super move smaller text off the baseline, and the line grows for them",
              "<div id=d><span id=n>n</span><sub id=sub>s</sub><sup id=sup>s</sup></div>",
              { "#d 0,0 800x18", "#n 0,0 7x16", "#sub 7,5 5x13", "#sup 12,0 5x13" } },
            { "decimal list markers do not move the items",
              "<ol style='margin:0'><li id=one>a</li><li>b</li></ol>",
              { "#one 40,0 760x16" } },
        });
}
