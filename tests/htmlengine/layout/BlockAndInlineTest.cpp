// Block and inline flow, with every character 7 px wide and every line 16 px high.
#include "LayoutFixture.h"

using Layout = LayoutTest;

TEST_F(Layout, BlockFlow)
{
    RunCases(
        *this,
        {
            { "margins of siblings collapse, the larger wins",
              "<div id=a style='height:20px;margin-bottom:10px'></div><div id=b "
              "style='height:20px;margin-top:15px'></div>",
              { "#a 0,0 800x20", "#b 0,35 800x20" } },
            { "a parent's margin stays apart from its child's",
              "<div id=p style='margin-top:10px'><div id=c style='margin-top:5px;height:10px'></div></div>",
              { "#p 0,10 800x15", "#c 0,15 800x10" } },
            { "padding and border around the content; border-box sizing",
              "<div id=a style='width:100px;padding:5px;border:2px solid red'>x</div>"
              "<div id=b style='width:100px;padding:5px;border:2px solid red;box-sizing:border-box'>x</div>",
              { "#a 0,0 114x30", "#b 0,30 100x30" } },
            { "percentages of the containing block, min and max",
              "<div id=o style='width:400px'><div id=h style='width:50%'>x</div>"
              "<div id=min style='width:10%;min-width:100px'>x</div><div id=max style='max-width:50px'>x</div></div>",
              { "#h 0,0 200x16", "#min 0,16 100x16", "#max 0,32 50x16" } },
            { "auto margins centre a block with a width",
              "<div id=c style='width:200px;margin:0 auto'>x</div>",
              { "#c 300,0 200x16" } },
            { "display none takes no room; visibility hidden does",
              "<div id=n style='display:none;height:50px'></div><div id=h style='visibility:hidden;height:20px'></div>"
              "<div id=a style='height:5px'></div>",
              { "#n none", "#a 0,20 800x5" } },
            { "lists indent their items; hr is a line with margins",
              "<ul id=u style='margin:0'><li id=i>one</li><li>two</li></ul><hr id=r>",
              { "#u 0,0 800x32", "#i 40,0 760x16", "#r 0,40 800x1" } },
        });
}

TEST_F(Layout, InlineFlow)
{
    RunCases(*this, {
                        { "text breaks at spaces into lines of the container's width",
                          "<div id=d style='width:63px'>aaaa bbbb cccc</div>",
                          { "#d 0,0 63x32" } },
                        { "and after hyphens", "<div id=d style='width:42px'>abc-def</div>", { "#d 0,0 42x32" } },
                        { "nowrap keeps one line, pre keeps the line ends, br breaks",
                          "<div id=n style='width:20px;white-space:nowrap'>aaaa bbbb</div>"
                          "<div id=p style='white-space:pre'>a\nb\nc</div><div id=b>a<br>b</div>",
                          { "#n 0,0 20x16", "#p 0,16 800x48", "#b 0,64 800x32" } },
                        { "inline elements have no box of their own but a location on their line",
                          "<div style='width:140px'>aa <span id=s>bbb ccc</span></div>",
                          { "#s 21,0 49x16" } },
                        { "inline-blocks sit on the baseline; text-align moves the line",
                          "<div id=d style='text-align:right'><span id=b "
                          "style='display:inline-block;width:50px;height:30px'></span>x</div>"
                          "<div id=c style='text-align:center'>abcd</div>",
                          { "#d 0,0 800x34", "#b 743,0 50x30", "#c 0,34 800x16" } },
                        { "vertical-align middle centres an inline-block on the line",
                          "<div id=d><img id=i style='width:20px;height:40px;vertical-align:middle'>ab</div>",
                          { "#i 0,0 20x40" } },
                        { "images take their CSS size",
                          "<div><img id=i style='width:30px;height:10px'></div>",
                          { "#i 0,2 30x10" } },
                    });
}

TEST_F(Layout, MinimumSizeOfAPage)
{
    Load("<html><body style='min-width:500px;min-height:300px'><div "
         "style='width:200px;height:40px'></div></body></html>");
    EXPECT_EQ(500u, MinWidth());
    EXPECT_EQ(300u, MinHeight(500));
    Load("<html><body><div style='width:600px'>x</div><p style='margin:0'>aaaa bbbb cccc dddd</p></body></html>");
    EXPECT_EQ(600u, MinWidth());
    EXPECT_EQ(32u, MinHeight(600));
    EXPECT_EQ(16u + 16u * 4u, MinHeight(28));  // one word per line
}
