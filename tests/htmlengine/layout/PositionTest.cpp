// Positioned boxes, overlays, popups and scrolling boxes.
#include "LayoutFixture.h"

using Positions = LayoutTest;

TEST_F(Positions, RelativeAbsoluteAndFixed)
{
    RunCases(
        *this,
        {
            { "relative moves a box from where it would be",
              "<div style='height:10px'></div><div id=r style='position:relative;left:5px;top:-3px;height:10px'></div>",
              { "#r 5,7 800x10" } },
            { "absolute against the nearest positioned ancestor, with percentages",
              "<div style='margin:20px;position:relative;width:200px;height:100px;padding:10px'>"
              "<div id=a style='position:absolute;left:50%;top:10px;width:20px;height:20px'></div>"
              "<div id=b style='position:absolute;right:0;bottom:0;width:30px;height:10px'></div></div>",
              { "#a 130,30 20x20", "#b 210,130 30x10" } },
            { "absolute without offsets stays where it would have been",
              "<div style='height:30px'></div><div><span id=s style='position:absolute'>x</span></div>",
              { "#s 0,30 7x16" } },
            { "fixed against the window",
              "<div style='height:2000px'><div id=f "
              "style='position:fixed;right:10px;bottom:10px;width:40px;height:20px'></div></div>",
              { "#f 736,570 40x20" } },
            { "an overlay at full size with a centred card",
              "<div id=o style='position:absolute;left:0;top:0;right:0;bottom:0'>"
              "<div id=c "
              "style='position:absolute;left:0;right:0;top:0;bottom:0;margin:auto;width:400px;height:200px'></div></"
              "div>",
              { "#o 0,0 800x600", "#c 200,200 400x200" } },
            { "or centred by flex",
              "<div id=o style='position:fixed;left:0;top:0;width:100%;height:100%;display:flex;align-items:center;"
              "justify-content:center'><div id=c style='width:300px;height:100px'></div></div>",
              { "#o 0,0 800x600", "#c 250,250 300x100" } },
        });
}

TEST_F(Positions, ClicksReachTheTopmostBox)
{
    Load("<div id=under style='height:100px'>text</div>"
         "<div id=over style='position:absolute;left:0;top:0;width:100px;height:50px'></div>"
         "<div id=z2 style='position:absolute;left:200px;top:0;width:50px;height:50px;z-index:2'></div>"
         "<div id=z1 style='position:absolute;left:200px;top:0;width:50px;height:50px;z-index:1'></div>"
         "<div id=ghost style='position:absolute;left:300px;top:0;width:50px;height:50px;pointer-events:none'></div>"
         "<div id=hidden style='position:absolute;left:400px;top:0;width:50px;height:50px;visibility:hidden'></div>");
    EXPECT_EQ(Find("#over"), At(10, 10));
    EXPECT_EQ(Find("#under"), At(10, 70));
    EXPECT_EQ(Find("#z2"), At(210, 10));
    EXPECT_EQ(Find("#under"), At(310, 10));
    EXPECT_EQ(Find("#under"), At(410, 10));
    EXPECT_EQ(Find("body"), At(10, 300));
}
