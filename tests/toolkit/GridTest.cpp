#include <algorithm>
#include <string>
#include <vector>

#include "PageFixture.h"
#include "tests/support/WindowKeys.h"

using htmlayout::dom::element;

namespace {

// One header row and five data rows, the fourth hidden by a style-sheet rule; the second
// holds a check box.
const char kPage[] = R"(<html><head><style>
table.single, table.multi { behavior: grid column-resizer; }
table.sorted { behavior: sortable-grid; }
tr[hiderow] { display: none; }
</style></head><body>
<table class="single" id="single" fixedrows="1">
  <tr id="s0"><th id="sh0">Name</th><th id="sh1">Code</th></tr>
  <tr id="s1"><td>a</td><td>1</td></tr><tr id="s2"><td><input type="checkbox" id="box"></td><td id="s2code">2</td></tr>
  <tr id="s3"><td>c</td><td>3</td></tr><tr id="s4" hiderow="true"><td>d</td><td>4</td></tr>
  <tr id="s5"><td>e</td><td>5</td></tr></table>
<table class="multi" id="multi" fixedrows="1" multiple>
  <tr id="m0"><th>Name</th></tr>
  <tr id="m1"><td>a</td></tr><tr id="m2"><td>b</td></tr><tr id="m3"><td>c</td></tr>
  <tr id="m4" hiderow="true"><td>d</td></tr><tr id="m5"><td>e</td></tr></table>
<table class="sorted" id="sorted" fixedrows="1">
  <tr id="t0"><th id="th0">Name</th><th id="th1">Code</th></tr>
  <tr id="t1"><td>pear</td><td>2</td></tr><tr id="t2"><td>Zebra</td><td>3</td></tr>
  <tr id="t3"><td>apple</td><td>1</td></tr></table>
<table class="single" id="mapped" fixedrows="1">
  <tr id="p0"><th>Name</th></tr>
  <tr id="p1"><td><select id="drop"><caption></caption><button role="dropdown" tabindex="-1"></button>
    <popup><option value="a" selected>a</option><option value="b">b</option></popup></select></td></tr>
  <tr id="p2"><td><input id="edit" value="text"></td></tr>
  <tr id="p3"><td><input type="checkbox" id="tick"></td></tr></table>
</body></html>)";

class GridTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }

    void Click(const char* selector, UINT keyboard_state = 0)
    {
        HTMLayoutTestClick(page.Find(selector), keyboard_state);
        page.Flush();
    }
    void Key(const char* table, UINT key_code, UINT keyboard_state = 0)
    {
        HTMLayoutTestKeyDown(hwnd_, page.Find(table), key_code, keyboard_state);
        page.Flush();
    }
    std::string Current(const char* table) { return Ids((std::string(table) + " > tr:current").c_str()); }
    std::string Checked(const char* table) { return Ids((std::string(table) + " > tr:checked").c_str()); }
};

TEST_F(GridTest, AHeaderClickPostsTheColumnAndLeavesTheCurrentRow)
{
    Click("#s1 td");
    TakeEvents();
    Click("#sh1");
    EXPECT_EQ("s1", Current("#single"));
    std::vector<std::string> events = TakeEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ("0x81 from sh1 reason 1", events[0]);
}

TEST_F(GridTest, WithoutMultipleOnlyTheClickedRowIsCurrentAndChecked)
{
    Click("#s2code");
    Click("#s3 td");
    EXPECT_EQ("s3", Current("#single"));
    EXPECT_EQ("s3", Checked("#single"));
    std::vector<std::string> events = TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "0x82 from s3 reason 3"), events.end());

    HTMLayoutTestDoubleClick(page.Find("#s5 td"), 0);
    page.Flush();
    events = TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "0x83 from s5 reason 5"), events.end());
}

// A control inside a row keeps its own click.
TEST_F(GridTest, AClickOnAControlInARowIsLeftToTheControl)
{
    Click("#box");
    EXPECT_EQ("", Current("#single"));
    EXPECT_TRUE(HasState(page.Find("#box"), STATE_CHECKED));
}

TEST_F(GridTest, WithMultipleCtrlTogglesAndShiftChecksTheVisibleRange)
{
    Click("#m1 td");
    Click("#m3 td", KEYBOARD_CONTROL);
    EXPECT_EQ("m1 m3", Checked("#multi"));
    EXPECT_EQ("m3", Current("#multi"));
    Click("#m1 td", KEYBOARD_CONTROL);
    EXPECT_EQ("m3", Checked("#multi"));

    Click("#m2 td");
    Click("#m5 td", KEYBOARD_SHIFT);
    EXPECT_EQ("m2 m3 m5", Checked("#multi"));
    EXPECT_EQ("m5", Current("#multi"));
    Click("#m1 td", KEYBOARD_SHIFT);
    EXPECT_EQ("m1 m2", Checked("#multi"));
}

TEST_F(GridTest, ArrowsHomeAndEndMoveOverVisibleDataRowsOnly)
{
    Key("#single", VK_DOWN);
    EXPECT_EQ("s1", Current("#single"));
    Key("#single", VK_UP);
    EXPECT_EQ("s1", Current("#single"));
    Key("#single", VK_END);
    EXPECT_EQ("s5", Current("#single"));
    Key("#single", VK_UP);
    EXPECT_EQ("s3", Current("#single"));
    Key("#single", VK_DOWN);
    EXPECT_EQ("s5", Current("#single"));
    Key("#single", VK_HOME);
    EXPECT_EQ("s1", Current("#single"));
    EXPECT_EQ("s1", Checked("#single"));
}

// A table that does not scroll has no row past its page limit: the current row stays.
TEST_F(GridTest, PageKeysWithNoRowPastTheLimitKeepTheCurrentRow)
{
    Click("#s3 td");
    Key("#single", VK_NEXT);
    EXPECT_EQ("s3", Current("#single"));
    Key("#single", VK_PRIOR);
    EXPECT_EQ("s3", Current("#single"));
}

// A drop-down or an edit in a row keeps the keys it uses; a check box does not use the arrows.
TEST_F(GridTest, KeysAControlInARowUsesAreLeftToIt)
{
    Key("#mapped", VK_DOWN);
    ASSERT_EQ("p1", Current("#mapped"));
    HTMLayoutTestSetFocus(hwnd_, page.Find("#drop"));
    PressWindowKey(hwnd_, VK_DOWN, VK_MENU);
    EXPECT_TRUE(page.HasState("#drop popup", STATE_EXPANDED)) << "Alt+Down did not open the drop-down";
    PressWindowKey(hwnd_, VK_ESCAPE);
    EXPECT_FALSE(page.HasState("#drop popup", STATE_EXPANDED));
    PressWindowKey(hwnd_, VK_DOWN);
    EXPECT_STREQ(L"b", page.Find("#drop").get_value().get_string(nullptr).c_str());
    EXPECT_EQ("p1", Current("#mapped"));

    HTMLayoutTestSetFocus(hwnd_, page.Find("#edit"));
    PressWindowKey(hwnd_, VK_DOWN);
    EXPECT_EQ("p1", Current("#mapped")) << "Down in an edit moved the row";

    HTMLayoutTestSetFocus(hwnd_, page.Find("#tick"));
    PressWindowKey(hwnd_, VK_DOWN);
    EXPECT_EQ("p2", Current("#mapped"));
}

TEST_F(GridTest, CtrlAChecksEveryDataRowOnlyWithMultiple)
{
    Click("#s1 td");
    Key("#single", 'A', KEYBOARD_CONTROL);
    EXPECT_EQ("s1", Checked("#single"));
    Key("#multi", 'A', KEYBOARD_CONTROL);
    EXPECT_EQ("m1 m2 m3 m4 m5", Checked("#multi"));
}

TEST_F(GridTest, ASortableGridSortsAscendingByTheClickedColumnOnce)
{
    Click("#th0");
    EXPECT_EQ("t0 t2 t3 t1", Ids("#sorted > tr"));  // by UTF-16 units: "Zebra" < "apple"
    EXPECT_TRUE(HasState(page.Find("#th0"), STATE_CHECKED));
    Click("#th1");
    EXPECT_EQ("t0 t3 t1 t2", Ids("#sorted > tr"));
    EXPECT_FALSE(HasState(page.Find("#th0"), STATE_CHECKED));

    element table = page.Find("#sorted");
    table.append(page.Find("#t1"));  // out of order by hand
    Click("#th1");
    EXPECT_EQ("t0 t3 t2 t1", Ids("#sorted > tr"));
    std::vector<std::string> events = TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "0x81 from th1 reason 1"), events.end());
}

}  // namespace

// A table that scrolls: rows of 20 pixels under one header row.
class ScrollingGridTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        std::string rows;
        for (int n = 1; n <= 20; ++n)
            rows += "<tr id=\"p" + std::to_string(n) + "\"><td>row " + std::to_string(n) + "</td></tr>";
        Load("<html><head><style>#paged { behavior: grid; overflow: auto; height: 100px; border-spacing: 0; }"
             " #paged tr, #paged td, #paged th { height: 20px; padding: 0; }</style></head><body>"
             "<table id=\"paged\" fixedrows=\"1\"><tr id=\"p0\"><th>Name</th></tr>" +
             rows + "</table></body></html>");
    }

    int CurrentIndex() { return static_cast<int>(page.Find("#paged > tr:current").index()); }
    void Key(UINT key_code)
    {
        HTMLayoutTestKeyDown(hwnd_, page.Find("#paged"), key_code, 0);
        page.Flush();
    }
    bool CurrentRowInView()
    {
        RECT port = page.Find("#paged").get_location(LOCATION_VIEW_SCROLL_PORT);
        RECT row = page.Find("#paged > tr:current").get_location(LOCATION_VIEW_BORDER_BOX);
        return row.top >= port.top && row.bottom <= port.bottom;
    }
};

TEST_F(ScrollingGridTest, PageKeysMoveAboutAPageAndTheCurrentRowIsScrolledIntoView)
{
    RECT port = page.Find("#paged").get_location(LOCATION_VIEW_SCROLL_PORT);
    int page_height = port.bottom - port.top;
    ASSERT_GT(page_height, 40);
    Key(VK_HOME);
    Key(VK_NEXT);
    EXPECT_EQ(2 * page_height / 20, CurrentIndex());  // the first row ending below one page on
    EXPECT_TRUE(CurrentRowInView());
    Key(VK_END);
    EXPECT_EQ(20, CurrentIndex());
    EXPECT_TRUE(CurrentRowInView());
    Key(VK_PRIOR);
    EXPECT_LT(CurrentIndex(), 20 - page_height / 20 + 1);
    EXPECT_GT(CurrentIndex(), 1);
    EXPECT_TRUE(CurrentRowInView());
}
