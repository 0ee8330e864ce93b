// 50,000 mutated pages (markup, style sheets, page scripts) through parsing, styling,
// layout, clicks and a recording paint: nothing crashes or hangs, memory stays bounded, and
// what the engine cannot read is in its log.
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/html/DocumentLoader.h"
#include "htmlengine/layout/LayoutView.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/RecordingPainter.h"
#include "htmlengine/paint/ViewPainter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

const char* const kPieces[] = {
    "<div class=a>text and more text</div>",
    "<span id=s>inline <b>bold</b> words</span>",
    "<br>",
    "<table><tr><td colspan=2>x</td></tr><tr><td rowspan=3>a</td><td>b</td></tr></table>",
    "<table style='border-collapse:collapse'><thead><tr><th>h</th></tr></thead><tbody style='height:40px;"
    "overflow:auto'><tr><td>1</td></tr><tr><td>2</td></tr><tr><td>3</td></tr></tbody></table>",
    "<div style='display:flex;gap:4px'><i style='flex:1'>g</i><i style='margin-left:auto'>r</i></div>",
    "<div style='position:absolute;left:10%;top:5px;right:0;bottom:0;margin:auto;width:50px;height:20px'></div>",
    "<div style='position:fixed;right:0;bottom:0'>f</div>",
    "<div style='position:relative;z-index:3'>z</div>",
    "<select id=sel><caption></caption><button role=dropdown></button><popup><option value=1>one</option>"
    "<option value=2>two</option></popup></select>",
    "<input type=text value=v><input type=checkbox checked><input type=date value=2026-01-02>",
    "<button id=btn>go</button>",
    "<ul><li>one</li><li>two<ol><li>x</li></ol></li></ul>",
    "<hr>",
    "<img src=missing.png style='width:10px'>",
    "<div style='overflow:hidden;text-overflow:ellipsis;white-space:nowrap;"
    "width:30px'>a long line of text</div>",
    "<pre>a\n  b\tc</pre>",
    "<p style='float:right'>fl</p>",
    "<popup id=tip style='position:fixed;left:5px;top:5px'>tip</popup>",
    "<progress value=40></progress>",
};

const char* const kCss[] = {
    "div { margin: 3px; padding: 2% }",
    "td { width: 50% }",
    "table { width: 120% }",
    ".a { display: inline-block }",
    "span { display: block; float: left }",
    "* { box-sizing: border-box }",
    "li { list-style: square }",
    "div { width: 1e9px }",
    "p { font-size: -3em }",
    "b { line-height: 0 }",
    "i { flex-basis: 300% }",
    "tr:nth-child(odd) td { background: #eee url(x.png) no-repeat right top }",
    "popup { display: block }",
    "div:hover { color: red }",
    "body { min-width: 300px; min-height: 200px }",
    "div { bogus: 1px }",
    "td { vertical-align: bottom } th { text-align: right }",
    "div { overflow: scroll; height: 10px }",
    "span { position: absolute; top: -50% }",
    "html { font: bold 9pt 'Segoe UI', Tahoma }",
};

const char* const kScripts[] = {
    " on-click: self@clicked = 'yes'; ",
    " on-click: { self.style('display') = 'none'; } ",
    " on-click: $('#s'):text; ",
    " on-click: { for r in $$('td') { r@x = 1; } } ",
    " on-click: sort(self, 'tr', 'asc', :text); ",
    " on-click: self:expanded = true; ",
};

std::string Mutate(std::string text, std::mt19937& random)
{
    std::uniform_int_distribution<int> kind(0, 4);
    for (int n = std::uniform_int_distribution<int>(0, 3)(random); n > 0 && !text.empty(); --n) {
        size_t at = std::uniform_int_distribution<size_t>(0, text.size() - 1)(random);
        size_t length = std::uniform_int_distribution<size_t>(1, 12)(random);
        switch (kind(random)) {
        case 0: text.erase(at, length); break;
        case 1: text.insert(at, text.substr(at, length)); break;
        case 2: text.insert(at, 1, "<>/'\";{}:=#&"[std::uniform_int_distribution<int>(0, 11)(random)]); break;
        case 3: text[at] = char(std::uniform_int_distribution<int>(32, 126)(random)); break;
        default: text.insert(at, kPieces[std::uniform_int_distribution<size_t>(0, std::size(kPieces) - 1)(random)]);
        }
    }
    return text;
}

template <size_t N>
const char* Pick(const char* const (&list)[N], std::mt19937& random)
{
    return list[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

std::string Page(std::mt19937& random)
{
    std::string css;
    for (int i = std::uniform_int_distribution<int>(0, 4)(random); i > 0; --i)
        css += Pick(kCss, random);
    css += std::string("button, td, div {") + Pick(kScripts, random) + "}";
    std::string body;
    for (int i = std::uniform_int_distribution<int>(1, 6)(random); i > 0; --i)
        body += Pick(kPieces, random);
    std::string unreadable = random() % 10 == 0 ? "<style>p { unknown-property: 1px }</style>" : "";
    return "<html><head>" + unreadable + "<style>" + Mutate(css, random) + "</style></head><body>" +
           Mutate(body, random) + "</body></html>";
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

using namespace htmlengine;

// A host without a window: pages laid out and painted in memory, as fast as they go.
class PageHost : public DocumentHost {
public:
    bool LoadUrl(const std::wstring&, UrlKind, std::vector<unsigned char>&) override { return false; }
    bool AttachBehavior(Element&, const std::string&, HandlerBinding&) override { return false; }
    void* WindowHandle() const override { return nullptr; }
    std::vector<HandlerBinding>& WindowHandlers() override { return handlers_; }
    void WakeForPostedEvents() override {}
    void TakeFocus() override {}
    void ContentChanged() override {}
    void Repaint(const Element*) override {}
    void ScrollIntoView(Element& element) override { layout.ScrollIntoView(element); }

    LayoutView layout;

private:
    std::vector<HandlerBinding> handlers_;
};

void ClickFirst(Document& document, const wchar_t* selector)
{
    if (Element* target = SelectFirst(*document.Root(), ParseSelectors(selector)))
        ClickElement(document, *target, 0, false);
}

// One page through everything; true when the engine logged something it could not use.
bool RunPage(PageHost& host, const std::string& html, Size size)
{
    std::unique_ptr<Document> document =
        BuildDocument(host, DecodeUtf8(reinterpret_cast<const unsigned char*>(html.data()), html.size()), L"");
    AdoptSubtree(*document->Root());
    host.layout.SetDocument(document.get());
    host.layout.SetViewport(size);
    host.layout.Update();
    ClickFirst(*document, size.width % 2 ? L"td" : L"button");
    ClickFirst(*document, L"select");
    FlushPostedEvents(*document);
    RecordingPainter painter;
    PaintContext context { painter, host.layout.Measurer() };
    PaintView(host.layout, *document, nullptr, context);
    bool logged = !document->Errors().empty();
    host.layout.SetDocument(nullptr);
    DetachBehaviors(*document->Root());
    return logged;
}

// Aborts the run when one page takes too long: a hang must fail, not stall the test run.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              int lastSeen = -1, still = 0;
              while (!done_) {
                  Sleep(100);
                  int now = page_;
                  still = now == lastSeen ? still + 1 : 0;
                  lastSeen = now;
                  if (still > 150) {
                      std::fprintf(stderr, "page %d takes longer than 15 s\n", now);
                      std::abort();
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        done_ = true;
        thread_.join();
    }
    void Reached(int page) { page_ = page; }

private:
    std::atomic<bool> done_ { false };
    std::atomic<int> page_ { 0 };
    std::thread thread_;
};

}  // namespace

TEST(RandomPages, FiftyThousandMutatedPages)
{
    std::mt19937 random(20261209);
    Watchdog watchdog;
    PageHost host;
    host.layout.SetMeasurer(std::make_unique<FixedTextMeasurer>());
    size_t baseline = 0;
    int logged = 0, unreadable = 0;
    for (int page = 0; page < 50000; ++page) {
        watchdog.Reached(page);
        std::string html = Page(random);
        bool loggedSomething = RunPage(host, html, { 300 + page % 700, 200 + page % 500 });
        if (html.find("unknown-property") != std::string::npos) {
            ++unreadable;
            logged += loggedSomething;
        }
        if (page == 1000)
            baseline = PrivateBytes();
    }
    EXPECT_EQ(unreadable, logged);  // every page with what the engine cannot read says so
    EXPECT_LT(PrivateBytes(), baseline + 64u * 1024 * 1024);
}
