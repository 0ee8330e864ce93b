// The shared style sheet as the program's pages use it: what has the keyboard shows a ring a
// bookkeeper can see, and an open list highlights one row, readably.
#include <algorithm>
#include <string>
#include <vector>

#include "PageFixture.h"

namespace {

const char kPage[] = R"(<html><head><link rel="stylesheet" href="res:IDR_STYLECSS.CSS">
<style>#new { color: var(--error); } #excluded { color: #9AA3AA; }</style></head><body>
<button class="primary" id="primary">Save Settings</button><button id="secondary">Cancel</button>
<button class="tool" id="tool">Reload</button>
<input type="text" id="text"><input type="date" id="date">
<a href="x" id="link">Ana Ruiz</a> <span class="link" tabindex="0" id="name">select all</span>
<input type="checkbox" id="check"><button type="checkbox" id="remember">Remember Password</button>
<select id="select"><caption></caption><button role="dropdown" tabindex="-1"></button><popup>
  <option value="1" id="new">--new-- (Ana)</option><option value="2" id="excluded">--do not import--</option>
  <option value="3">Ana Lind</option></popup></select>
<div class="tabs" id="tabs"><div class="strip"><div panel="a" id="tab" selected>Employee Mapping</div>
  <div panel="b">Import Settings</div></div><div name="a">a</div><div name="b">b</div></div>
<table class="grid" id="grid" style="behavior: grid"><tr><th>Employee</th></tr><tr><td>Ana</td></tr></table>
<table class="grid"><tr id="row" tabindex="0"><td>Ben</td></tr></table>
</body></html>)";

const char kFocusRing[] = "w2 #2B6A99";

class SharedLookTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }

    std::vector<std::string> Frame()
    {
        std::vector<std::string> lines;
        for (const std::wstring& line : page.PaintedLines())
            lines.push_back(Narrow(line));
        return lines;
    }

    // The 2 px strokes in the focus colour that a frame draws.
    static std::vector<std::string> Rings(const std::vector<std::string>& frame)
    {
        std::vector<std::string> rings;
        std::copy_if(frame.begin(), frame.end(), std::back_inserter(rings), [](const std::string& line) {
            return line.compare(0, 7, "stroke ") == 0 && line.find(kFocusRing) != std::string::npos;
        });
        return rings;
    }
};

// Each kind of focusable element, unfocused and then focused: the focus adds a 2 px ring in
// the accent that was not there before (an outline, or the control's own border).
TEST_F(SharedLookTest, EveryFocusableElementDrawsARingOnlyWhileFocused)
{
    for (const char* id : { "#primary", "#secondary", "#tool", "#text", "#date", "#link", "#name", "#check",
                            "#remember", "#select", "#tabs", "#grid", "#row" }) {
        HTMLayoutTestSetFocus(hwnd_, nullptr);
        std::vector<std::string> before = Rings(Frame());
        page.Focus(page.Find(id));
        ASSERT_TRUE(HasState(page.Find(id), STATE_FOCUS)) << id;
        std::vector<std::string> after = Rings(Frame());
        std::vector<std::string> added;
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
        EXPECT_FALSE(added.empty()) << id << " shows no ring when focused";
    }
}

// The focused strip rings its current tab, not the whole strip and its panel.
TEST_F(SharedLookTest, AFocusedTabStripRingsItsCurrentTab)
{
    page.Focus(page.Find("#tabs"));
    RECT tab = page.Find("#tab").get_location(LOCATION_VIEW_BORDER_BOX);
    std::vector<std::string> rings = Rings(Frame());
    ASSERT_EQ(1u, rings.size());
    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_EQ(4, sscanf(rings[0].c_str(), "stroke %d,%d %dx%d", &x, &y, &width, &height)) << rings[0];
    EXPECT_TRUE(x >= tab.left && y >= tab.top && x + width <= tab.right && y + height <= tab.bottom) << rings[0];
}

// An open list shows one highlighted row, white on the accent, even for an option the page
// colours: the chosen one as it opens, then the one the keyboard moved to.
TEST_F(SharedLookTest, AnOpenListHighlightsOneRowReadably)
{
    page.Choose(page.Find("#select"), L"1");
    page.Click("#select > caption");
    ASSERT_TRUE(HasState(page.Find("#select > popup"), STATE_EXPANDED));
    for (const char* highlighted : { "--new-- (Ana)", "--do not import--" }) {
        std::vector<std::string> frame = Frame();
        int accentRows = 0;
        for (const std::string& line : frame)
            accentRows += line.compare(0, 5, "fill ") == 0 && line.find("x24 #2B6A99") != std::string::npos;
        EXPECT_EQ(1, accentRows) << highlighted;
        std::string text = std::string("\"") + highlighted + "\"";
        auto drawn = std::find_if(frame.begin(), frame.end(), [&](const std::string& line) {
            return line.compare(0, 5, "text ") == 0 && line.find(text) != std::string::npos &&
                   line.find("#FFFFFF") != std::string::npos;
        });
        EXPECT_NE(frame.end(), drawn) << highlighted << " is not white on the accent";
        HTMLayoutTestKeyDown(hwnd_, nullptr, VK_DOWN, 0);
    }
}

}  // namespace
