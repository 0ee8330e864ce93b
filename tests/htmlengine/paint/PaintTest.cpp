// What a frame draws, through the recording painter: the order of a box's parts, popups
// above everything, clips of scrolled boxes, rows out of sight left out, pictures decoded once.
#include "PaintFixture.h"

#include <algorithm>

namespace {

// The index of the first line containing `part`, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& part)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(part) != std::string::npos)
            return int(i);
    return -1;
}

int Count(const std::vector<std::string>& lines, const std::string& part)
{
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

}  // namespace

TEST_F(PaintTest, BackgroundThenBorderThenContentThenPopupsAboveAll)
{
    Load("<style>#box { background-color: #112233; border: 2px solid #445566; height: 40px; color: #778899 }"
         "#cover { position: relative; z-index: 5; background-color: #ABCDEF; height: 10px }</style>"
         "<select id=s><caption></caption><popup><option>Choice</option></popup></select>"
         "<div id=box>Words</div><div id=cover></div>");
    Click("caption");  // opens the popup
    std::vector<std::string> lines = Record();
    int background = IndexOf(lines, "#112233"), border = IndexOf(lines, "#445566");
    int text = IndexOf(lines, "\"Words\""), cover = IndexOf(lines, "#ABCDEF"), popup = IndexOf(lines, "\"Choice\"");
    ASSERT_GE(background, 0);
    EXPECT_LT(background, border);
    EXPECT_LT(border, text);
    EXPECT_LT(text, cover);  // a positioned layer after the flow
    EXPECT_LT(cover, popup);  // the top layer last
}

TEST_F(PaintTest, ScrolledBoxesClipAndMoveTheirContent)
{
    std::string page = "<div id=s style='overflow: auto; height: 60px; width: 200px'>";
    for (int i = 0; i < 20; ++i)
        page += "<p style='margin: 0; height: 20px' id=p" + std::to_string(i) + ">line " + std::to_string(i) + "</p>";
    Load(page + "</div>");
    HTMLayoutScrollToView(Find("#p19"), 0);
    std::vector<std::string> lines = Record();
    RECT box = Place("#s");
    int clip = IndexOf(lines, "clip " + std::to_string(box.left) + "," + std::to_string(box.top));
    ASSERT_GE(clip, 0) << "the scroll box clips its content";
    EXPECT_GT(IndexOf(lines, "\"line 19\""), clip);
    EXPECT_EQ(-1, IndexOf(lines, "\"line 0\""));  // scrolled out of sight: not drawn at all
    EXPECT_GE(Count(lines, "#C1C8CE"), 1);  // its scroll bar's thumb
}

TEST_F(PaintTest, OnlyTheRowsThatShowArePainted)
{
    std::string page = "<table>";
    for (int i = 0; i < 1000; ++i)
        page += "<tr><td>row " + std::to_string(i) + "</td><td>8:00</td></tr>";
    Load(page + "</table>");
    std::vector<std::string> lines = Record();
    EXPECT_GE(Count(lines, "\"row "), 5);
    EXPECT_LE(Count(lines, "\"row "), 40);  // a 300 px window shows a few rows of 1,000
    EXPECT_EQ(-1, IndexOf(lines, "\"row 999\""));
}

TEST_F(PaintTest, APictureIsDecodedOncePerUrlAndABrokenOneIsLogged)
{
    std::string page;
    for (int i = 0; i < 12; ++i)
        page += "<img src=res:TESTICON.png>";
    Load(page + "<img src=res:BROKEN.png><div style='background-image: url(stock:nothing)'>x</div>");
    Record();
    std::vector<std::string> lines = Record();
    EXPECT_EQ(12, Count(lines, "image res:TESTICON.png"));
    EXPECT_EQ(0, Count(lines, "BROKEN"));
    UINT decoded = 0;
    HTMLayoutTestDecodedImages(hwnd_, &decoded);
    EXPECT_EQ(2u, decoded);  // the icon and the broken one, each once
    EXPECT_NE(std::wstring::npos, Errors().find(L"image not decoded: res:BROKEN.png"));
    EXPECT_NE(std::wstring::npos, Errors().find(L"stock:nothing"));
}

TEST_F(PaintTest, ControlsDrawTheirState)
{
    Load("<style>html { accent-color: #2B6A99 } progress { color: #2B6A99 }</style>"
         "<input type=checkbox id=c checked><input type=radio id=r checked><progress id=p value=50></progress>"
         "<input id=t value=abc><button disabled id=b><img src=res:TESTICON.png></button>");
    std::vector<std::string> lines = Record();
    EXPECT_GE(IndexOf(lines, "lines"), 0) << "the tick";
    EXPECT_GE(Count(lines, "#2B6A99"), 3) << "check box fill, radio ring and dot, progress fill";
    RECT bar = Place("#p");
    EXPECT_GE(IndexOf(lines, "fill " + std::to_string(bar.left) + "," + std::to_string(bar.top) + " " +
                                 std::to_string((bar.right - bar.left) / 2) + "x"),
              0)
        << "half the track";
    EXPECT_GE(IndexOf(lines, "\"abc\""), 0);
    EXPECT_GE(IndexOf(lines, "image res:TESTICON.png"), 0);
    EXPECT_NE(std::string::npos, lines[size_t(IndexOf(lines, "image res:TESTICON.png"))].find("faded"));
}

// A date's text, however long, is clipped before the calendar glyph (a page's narrow padding
// leaves the glyph inside the content box), and a focused ring goes round an inline link.
TEST_F(PaintTest, ADatesTextStopsBeforeItsGlyphAndALinkDrawsItsRing)
{
    Load("<style>input { padding: 0 8px; border: 1px solid gray } a:focus { outline: 2px solid #2B6A99; "
         "outline-offset: 0 }</style>"
         "<input type=date id=d style='width: 114px'> <a href=x id=a>Ana Ruiz</a>");
    HTMLayoutTestSetFocus(hwnd_, Find("#d"));
    HTMLayoutTestType(hwnd_, nullptr, L"12/31/2026 and more");
    std::vector<std::string> lines = Record();
    int text = IndexOf(lines, "and more\"");
    ASSERT_GT(text, 0);
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_EQ(4, sscanf(lines[size_t(text - 1)].c_str(), "clip %d,%d %dx%d", &x, &y, &width, &height))
        << lines[size_t(text - 1)];
    RECT date = Place("#d");
    EXPECT_LE(x + width, date.right - 1 - 6 - 14) << "the text runs under the glyph";

    HTMLayoutTestSetFocus(hwnd_, Find("#a"));
    RECT link = Place("#a");
    char ring[64];
    snprintf(ring, sizeof ring, "stroke %d,%d", int(link.left - 2), int(link.top - 2));
    EXPECT_GE(IndexOf(Record(), ring), 0);
}

TEST_F(PaintTest, AFontListIsLoggedOnlyWhenNoneOfItsFacesIsInstalled)
{
    Load("<p id=a style='font-family: NoSuchFaceAtAll, AnotherMissingFace'>missing</p>"
         "<p id=b style='font-family: NoSuchFaceAtAll, Tahoma'>found</p>"
         "<p id=c style='font-family: NoSuchFaceAtAll, sans-serif'>generic</p>");
    Record();
    EXPECT_NE(std::wstring::npos, Errors().find(L"font: none of \"NoSuchFaceAtAll, AnotherMissingFace\""));
    EXPECT_EQ(std::wstring::npos, Errors().find(L"NoSuchFaceAtAll, Tahoma"));
    EXPECT_EQ(std::wstring::npos, Errors().find(L"NoSuchFaceAtAll, sans-serif"));
}
