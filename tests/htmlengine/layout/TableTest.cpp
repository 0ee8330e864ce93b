// Tables: columns, spans, hidden rows, borders, cells' alignment, nesting and scrolling.
#include "LayoutFixture.h"

using Tables = LayoutTest;

namespace {

// Cells without padding or spacing, so the numbers stay plain.
const char* const kPlain = "<style>table { border-spacing: 0 } td, th { padding: 0 }</style>";

std::string Page(const std::string& body)
{
    return std::string(kPlain) + body;
}

}  // namespace

TEST_F(Tables, ColumnWidths)
{
    std::string spanned =
        Page("<table id=t style='width:400px'><tr><td id=a style='width:25%'>x</td><td id=b>x</td></tr>"
             "<tr><td id=s colspan=2>x</td></tr></table>");
    std::string fixed = Page("<table id=t><tr><td id=a style='width:100px'>x</td><td id=b>abc</td></tr></table>");
    std::string full = Page("<table id=t style='width:100%'><tr><td id=a>aa</td><td id=b>aaaa</td></tr></table>");
    std::string crowded =
        Page("<table id=t style='width:400px'><tr><td id=a style='width:100px'>x</td><td id=b style='width:60%'>x</td>"
             "<td id=c style='width:40%'>x</td></tr></table>");
    std::string shrink =
        Page("<table id=t style='width:100px'><tr><td id=a>aaaaaaaaaa</td><td id=b>aaaaaaaaaa</td></tr></table>");
    RunCases(*this, {
                        { "a % column of a px table; colspan covers both",
                          spanned.c_str(),
                          { "#t 0,0 400x32", "#a 0,0 100x16", "#b 100,0 300x16", "#s 0,16 400x16" } },
                        { "a px column and an auto one; the table shrinks to fit",
                          fixed.c_str(),
                          { "#t 0,0 121x16", "#a 0,0 100x16", "#b 100,0 21x16" } },
                        { "a full-width table shares the room by content",
                          full.c_str(),
                          { "#t 0,0 800x16", "#a 0,0 266x16", "#b 266,0 534x16" } },
                        { "% columns beside a px one share what it leaves",
                          crowded.c_str(),
                          { "#t 0,0 400x16", "#a 0,0 100x16", "#b 100,0 180x16", "#c 280,0 120x16" } },
                        { "too narrow: each column keeps its longest word",
                          shrink.c_str(),
                          { "#t 0,0 140x16", "#a 0,0 70x16", "#b 70,0 70x16" } },
                    });
}

TEST_F(Tables, RowsGroupsAndSpans)
{
    std::string groups = Page("<table id=t><tr id=r0><td>a</td></tr><tbody><tr id=r1><td>b</td></tr></tbody>"
                              "<thead><tr id=h><th>H</th></tr></thead></table>");
    std::string hidden = Page("<style>tr[hiderow=true] { display: none }</style><table><tr id=a><td>a</td></tr>"
                              "<tr id=b hiderow=true><td>b</td></tr><tr id=c><td>c</td></tr></table>");
    std::string rowspan = Page("<table><tr><td id=tall rowspan=2 style='height:50px'>x</td><td id=one>a</td></tr>"
                               "<tr><td id=two>b</td></tr></table>");
    std::string spacing = "<table id=t style='border-spacing:4px'><tr><td id=a style='padding:2px'>x</td></tr></table>";
    RunCases(
        *this,
        {
            { "rows under the table and in groups; the header group comes first",
              groups.c_str(),
              { "#h 0,0 7x16", "#r0 0,16 7x16", "#r1 0,32 7x16" } },
            { "a row hidden by an attribute rule takes no room",
              hidden.c_str(),
              { "#a 0,0 7x16", "#b none", "#c 0,16 7x16" } },
            { "a cell spanning two rows makes the last of them taller",
              rowspan.c_str(),
              { "#tall 0,0 7x50", "#one 7,0 7x16", "#two 7,16 7x34" } },
            { "spacing around the cells and padding in them", spacing.c_str(), { "#t 0,0 19x28", "#a 4,4 11x20" } },
        });
}

TEST_F(Tables, BordersAndAlignmentInCells)
{
    std::string collapsed =
        Page("<table id=t style='border-collapse:collapse'><tr><td id=a style='border:1px solid'>x</td>"
             "<td id=b style='border:3px solid'>x</td></tr><tr><td id=c style='border:1px solid'>x</td>"
             "<td id=d style='border:1px solid'>x</td></tr></table>");
    std::string aligned = Page(
        "<table><tr style='height:40px'><td id=top style='vertical-align:top'><span id=t>a</span></td>"
        "<td id=mid><span id=m>b</span></td><td style='vertical-align:bottom'><span id=b>c</span></td></tr></table>");
    std::string cellHeights =
        Page("<table><tr><td id=c style='height:40px'><span id=m>a</span></td>"
             "<td style='vertical-align:bottom'><span id=b>b</span></td>"
             "<td id=p style='height:20px;padding:4px;box-sizing:border-box'>c</td></tr></table>");
    std::string nested = Page("<table><tr><td id=outer><table id=inner><tr><td id=in>abc</td></tr></table></td><td "
                              "id=next>x</td></tr></table>");
    RunCases(
        *this,
        {
            { "collapsed borders: between cells the wider stays",
              collapsed.c_str(),
              { "#a 0,0 9x22", "#b 9,0 13x22", "#c 0,22 9x17", "#d 9,22 13x17" } },
            { "vertical-align in a taller row", aligned.c_str(), { "#t 0,0 7x16", "#m 7,12 7x16", "#b 14,24 7x16" } },
            { "a cell's own height sizes its row and leaves room to align its content",
              cellHeights.c_str(),
              { "#c 0,0 7x40", "#m 0,12 7x16", "#b 7,24 7x16", "#p 14,0 15x40" } },
            { "a table in a cell", nested.c_str(), { "#inner 0,0 21x16", "#in 0,0 21x16", "#next 21,0 7x16" } },
        });
}

TEST_F(Tables, AScrollingBodyAndAScrollingDivAroundATable)
{
    std::string rows;
    for (int i = 0; i < 20; ++i)
        rows += "<tr><td>row</td></tr>";
    rows += "<tr id=last><td>end</td></tr>";
    Load(Page("<table><thead><tr><th>Head</th></tr></thead><tbody id=b style='height:80px;overflow:auto'>" + rows +
              "</tbody></table>"));
    EXPECT_EQ("0,16 42x80", Box("#b"));
    EXPECT_EQ("0,336 42x16", Box("#last"));
    ScrollToView("#last");
    EXPECT_EQ("0,80 42x16", Box("#last"));  // the body's bottom, its range used up

    Load(Page("<div id=d style='height:100px;overflow-y:auto'><table id=t>" + rows + "</table></div>"));
    EXPECT_EQ("0,0 800x100", Box("#d"));
    EXPECT_EQ("0,0 786x100", Box("#d", 0x61));  // the port, without the scroll bar
    EXPECT_EQ("0,0 21x336", Box("#t"));
    ScrollToView("#last");
    EXPECT_EQ("0,84 21x16", Box("#last"));
    EXPECT_EQ("0,-236 21x336", Box("#t"));

    // A table with a height scrolls its own rows (the grids of the program's pages do).
    Load(Page("<table id=t style='height:100px;overflow:auto'>" + rows + "</table>"));
    EXPECT_EQ("0,0 21x100", Box("#t"));
    EXPECT_EQ("0,0 7x100", Box("#t", 0x61));  // the port, less the bar lying over the column
    ScrollToView("#last");
    EXPECT_EQ("0,84 21x16", Box("#last"));
}

// A scrolling body without a height takes what its table's height leaves, so the header and
// the footer stay in view while the rows scroll.
TEST_F(Tables, ABodyTakesTheRoomItsTableLeaves)
{
    auto rows = [](int count, const char* lastId) {
        std::string markup;
        for (int i = 1; i < count; ++i)
            markup += "<tr><td>row</td></tr>";
        return markup + "<tr id=" + lastId + "><td>end</td></tr>";
    };
    auto table = [&](const std::string& style, const std::string& bodies) {
        return Page("<table id=t style='" + style + "'><thead><tr><th>Head</th></tr></thead>" + bodies +
                    "<tfoot><tr id=f><td>Foot</td></tr></tfoot></table>");
    };
    const std::string scrolling = "<tbody id=b style='overflow-y:auto'>";
    std::string many =
        "<div style='height:100px'>" + table("height:100%", scrolling + rows(20, "last") + "</tbody>") + "</div>";
    std::string few = table("height:100px", scrolling + rows(2, "last") + "</tbody>");
    std::string two = table("height:100px", "<tbody id=a style='overflow:auto'>" + rows(2, "x") + "</tbody>" +
                                                scrolling + rows(20, "last") + "</tbody>");
    std::string flexed = "<div style='display:flex;flex-direction:column;height:120px'><p "
                         "style='height:20px;margin:0;flex-shrink:0'></p>" +
                         table("flex:1 1 0", scrolling + rows(20, "last") + "</tbody>") + "</div>";
    std::string autoHeight = table("", scrolling + rows(3, "last") + "</tbody>");
    std::string fixedLast =
        "<table style='width:200px;height:100px'><thead><tr><th>Head</th><th style='width:60px'>T</th>"
        "</tr></thead>" +
        scrolling + rows(20, "x") + "<tr><td>end</td><td id=c>x</td></tr></tbody></table>";
    RunCases(
        *this,
        {
            { "the body scrolls between the header and the footer",
              many.c_str(),
              { "#t 0,0 42x100", "#b 0,16 42x68", "#f 0,84 42x16" } },
            { "fewer rows than the room: the footer follows them",
              few.c_str(),
              { "#t 0,0 28x100", "#b 0,16 28x32", "#f 0,48 28x16" } },
            { "two such bodies: the shorter shows its rows, the other the rest",
              two.c_str(),
              { "#a 0,16 42x32", "#b 0,48 42x36", "#f 0,84 42x16" } },
            { "a table stretched by its flex container", flexed.c_str(), { "#t 0,20 800x100", "#b 0,36 800x68" } },
            { "a table without a height shows every row", autoHeight.c_str(), { "#t 0,0 28x80", "#b 0,16 28x48" } },
            { "a fixed last column ends beside the bar: the others make room",
              fixedLast.c_str(),
              { "#c 122,422 62x18" } },
        });

    Load(many);
    ScrollToView("#last");
    EXPECT_EQ("0,68 42x16", Box("#last"));
    EXPECT_EQ("0,84 42x16", Box("#f"));
}

TEST_F(Tables, SpanningCellsCaptionsAndEmptyTables)
{
    std::string spanning = Page(
        "<table id=t><tr><td id=a>a</td><td id=b>b</td></tr><tr><td id=wide colspan=2>aaaaaaaaaaaa</td></tr></table>");
    std::string captioned = Page("<table id=t><caption id=c>Caption text</caption><tr><td id=a>x</td></tr></table><p "
                                 "id=after style='margin:0'>p</p>");
    std::string empty = Page("<table id=t style='border:1px solid'></table><p id=after style='margin:0'>p</p>");
    RunCases(*this, {
                        { "a spanning cell wider than its columns widens them evenly",
                          spanning.c_str(),
                          { "#t 0,0 84x32", "#a 0,0 42x16", "#b 42,0 42x16", "#wide 0,16 84x16" } },
                        { "a caption above the rows widens the table to its longest word",
                          captioned.c_str(),
                          { "#t 0,0 49x48", "#c 0,0 49x32", "#a 0,32 49x16", "#after 0,48 800x16" } },
                        { "an empty table is its border", empty.c_str(), { "#t 0,0 2x2", "#after 0,2 800x16" } },
                    });
}
