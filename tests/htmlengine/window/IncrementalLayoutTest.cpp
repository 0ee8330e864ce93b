// Layout keeps what a change leaves alone: after any run of changes the boxes must be those
// of the same markup laid out afresh. Random changes (fixed seed) to pages with tables, flex,
// floats, popups and positioned boxes, each compared with a fresh window.
#include "WindowLayoutFixture.h"

#include <random>

#include "tests/support/EngineTestWindow.h"

namespace {

const char kStyles[] =
    "<style>.wide { width: 300px } .tall { height: 40px } .gone { display: none } .pad { padding: 7px }"
    " .big { font-size: 24px } .flex { display: flex } .grow { flex-grow: 1 } .abs { position: absolute; right: 4px }"
    " .red { color: red } .nowrap { white-space: nowrap } .inline { display: inline-block; width: 50px }"
    " tr[hiderow=true] { display: none } .scroll { height: 60px; overflow: auto }</style>";

const char kBody[] =
    "<div id=e0 class=scroll><p id=e1>some text that wraps in a narrow box</p><span id=e2>inline <b "
    "id=e3>bold</b></span></div>"
    "<table id=e4><tr id=e5><td id=e6>a</td><td id=e7 colspan=2>bb</td></tr><tr id=e8><td id=e9>c</td>"
    "<td id=e10>d</td><td id=e11>e</td></tr></table>"
    "<div id=e12 class=flex><div id=e13>x</div><div id=e14 class=grow>y</div><img id=e15 "
    "style='width:10px;height:10px'></div>"
    "<div id=e16 style='position:relative'><div id=e17>z</div><ul id=e18><li id=e19>one</li><li "
    "id=e20>two</li></ul></div>"
    "<div id=e21 style='width:200px'><img id=e22 style='float:right;width:20px;height:20px'>w w w w w w w w w</div>";

const wchar_t* const kClasses[] = { L"wide", L"tall", L"gone",   L"pad",    L"big",    L"flex", L"grow",
                                    L"abs",  L"red",  L"nowrap", L"inline", L"scroll", L"" };
const wchar_t* const kTexts[] = { L"", L"short", L"a much longer text that needs several lines", L"x y z" };
const wchar_t* const kStyleAttributes[] = { L"width: 120px",
                                            L"display: none",
                                            L"position: absolute; top: 5px",
                                            L"float: left; width: 30px",
                                            L"margin: 10px",
                                            L"display: inline",
                                            L"overflow: hidden; height: 12px",
                                            L"display: table-row",
                                            L"" };

void CALLBACK KeepBytes(const BYTE* bytes, UINT length, LPVOID param)
{
    static_cast<std::string*>(param)->assign(reinterpret_cast<const char*>(bytes), length);
}

class IncrementalLayout : public WindowLayoutTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(WindowLayoutTest::SetUp());
        fresh_ = CreateEngineTestWindow(800, 600, WS_POPUP);
        ASSERT_NE(nullptr, fresh_) << "cannot make the window for the fresh layout; is the display usable?";
        HTMLayoutTestSetFixedMetrics(fresh_, 7, 16);
    }
    void TearDown() override
    {
        DestroyWindow(fresh_);
        WindowLayoutTest::TearDown();
    }

    HELEMENT Element(std::mt19937& random)
    {
        id_ = "#e" + std::to_string(std::uniform_int_distribution<int>(0, 22)(random));
        return Find(id_.c_str());
    }
    std::string id_;

    // One change a page could make: a class, an attribute, text, an element in or out.
    std::string Change(std::mt19937& random)
    {
        HELEMENT he = Element(random);
        if (!he)
            return "nothing";
        bool picture = id_ == "#e15" || id_ == "#e22";  // markup cannot give a picture content
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0: {
            const wchar_t* name = kClasses[std::uniform_int_distribution<size_t>(0, std::size(kClasses) - 1)(random)];
            HTMLayoutSetAttributeByName(he, "class", name);
            return "class " + Narrow(name);
        }
        case 1: {
            if (picture)
                return "nothing";
            const wchar_t* text = kTexts[std::uniform_int_distribution<size_t>(0, std::size(kTexts) - 1)(random)];
            HTMLayoutSetElementInnerText16(he, text, UINT(wcslen(text)));
            return "text " + Narrow(text);
        }
        case 2: HTMLayoutSetAttributeByName(he, "hiderow", random() % 2 ? L"true" : nullptr); return "hiderow";
        case 3: {
            if (picture)
                return "nothing";
            static const char kMore[] = "<span class=red>more</span> text<div class=pad>block</div>";
            HTMLayoutSetElementHtml(he, reinterpret_cast<const BYTE*>(kMore), DWORD(sizeof kMore - 1),
                                    SIH_APPEND_AFTER_LAST);
            return "appended";
        }
        case 4: {
            const wchar_t* style =
                kStyleAttributes[std::uniform_int_distribution<size_t>(0, std::size(kStyleAttributes) - 1)(random)];
            HTMLayoutSetAttributeByName(he, "style", style);
            return "style " + Narrow(style);
        }
        default:
            if (he == Root())
                return "nothing";
            HTMLayoutDeleteElement(he);
            return "deleted";
        }
    }

    std::string FreshBoxes()
    {
        std::string html;
        HTMLayoutGetElementHtmlCB(Root(), TRUE, KeepBytes, &html);
        HTMLayoutLoadHtmlEx(fresh_, reinterpret_cast<const BYTE*>(html.data()), UINT(html.size()), L"");
        return BoxDumpOf(fresh_);
    }

    HWND fresh_ = nullptr;
};

}  // namespace

TEST_F(IncrementalLayout, AnyRunOfChangesGivesTheBoxesOfAFreshLayout)
{
    std::mt19937 random(4242);
    for (int page = 0; page < 400; ++page) {
        Load(std::string("<html><head>") + kStyles + "</head><body>" + kBody + "</body></html>");
        BoxDump();  // laid out once before the changes
        std::string changes;
        for (int step = 0; step < 12; ++step) {
            changes += Change(random) + " " + id_ + "; ";
            if (step % 3 != 2)
                continue;
            ASSERT_EQ(FreshBoxes(), BoxDump()) << "page " << page << " after " << changes;
        }
    }
}

// A table keeps its cells' layouts between its layouts: at each new width, and after changes
// inside its cells, they must still be those of a fresh layout (aligned once, not again).
TEST_F(IncrementalLayout, TablesAtNewWidthsGiveTheBoxesOfAFreshLayout)
{
    const char kTables[] =
        "<style>td { vertical-align: middle } td.base { vertical-align: baseline } td.low { vertical-align: bottom }"
        " td.tall { height: 40px } .box { display: inline-block; width: 30px; height: 22px }</style>"
        "<table id=t1 style='width: 100%'><tr id=r1><td id=c1 class=tall><span id=s1>first cell</span></td>"
        "<td id=c2 class=base><b id=s2>words that wrap when the table is narrow</b></td>"
        "<td id=c3 class=low rowspan=2><i id=s3>low</i></td><td id=c4 style='width: 50px'>fixed <span id=b4 "
        "class=box></span></td></tr>"
        "<tr id=r2><td id=c5 colspan=2 class=base><span id=s5>wide</span> <span id=b5 class=box></span></td>"
        "<td id=c6>x</td></tr></table>"
        "<table id=t2><tr><td id=c7>auto width <span id=b7 class=box></span></td><td id=c8 "
        "class=tall>y</td></tr></table>";
    const int kWidths[] = { 800, 240, 500, 800, 120, 500, 640 };
    std::mt19937 random(77);
    Load(std::string("<html><body>") + kTables + "</body></html>");
    for (int step = 0; step < 28; ++step) {
        int width = kWidths[step % std::size(kWidths)];
        Resize(width, 600);
        SetWindowPos(fresh_, nullptr, 0, 0, width, 600, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        std::string change = "none";
        if (step % 4 == 3) {
            std::string id = "#s" + std::to_string(std::uniform_int_distribution<int>(1, 3)(random));
            const wchar_t* text = kTexts[std::uniform_int_distribution<size_t>(0, std::size(kTexts) - 1)(random)];
            HTMLayoutSetElementInnerText16(Find(id.c_str()), text, UINT(wcslen(text)));
            change = id + " " + Narrow(text);
        }
        ASSERT_EQ(FreshBoxes(), BoxDump()) << "step " << step << " at width " << width << ", change " << change;
    }
}
