#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/html/HtmlParser.h"
#include "htmlengine/document/html/HtmlWriter.h"

#include <gtest/gtest.h>

using namespace htmlengine;

namespace {

// Parses a fragment and writes it back, so each case shows the tree the parser built.
std::wstring Reparse(const std::wstring& markup)
{
    Element holder("div");
    for (Node* node : ParseFragment(markup))
        holder.AppendNode(node);
    std::wstring html = InnerHtml(holder);
    DiscardNodes(holder.TakeNodes());
    return html;
}

struct Case {
    const wchar_t* name;
    const wchar_t* markup;
    const wchar_t* tree;
};

const Case kCases[] = {
    { L"class shorthand", L"<div .retry id=x>", L"<div class=\"retry\" id=\"x\"></div>" },
    { L"shorthand joins class", L"<select class=a .ss1>", L"<select class=\"a ss1\"></select>" },
    { L"quotes of every kind", L"<i a='1' b=\"2\" c=3 d>", L"<i a=\"1\" b=\"2\" c=\"3\" d=\"\"></i>" },
    { L"entities", L"a&nbsp;&lt;b&gt;&amp;&quot;&#65;&#x42;", L"a\x00A0&lt;b&gt;&amp;\"AB" },
    { L"bare ampersand stays", L"R&D &unknown; & x", L"R&amp;D &amp;unknown; &amp; x" },
    { L"only ASCII hex digits", L"&#x4a;&#x\xFF21;", L"J&amp;#x\xFF21;" },
    { L"entities in attributes", L"<a title='x&amp;y&#10;'>", L"<a title=\"x&amp;y\n\"></a>" },
    { L"no implicit tbody", L"<table><tr><td>1<td>2<tr><td>3</table>",
      L"<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table>" },
    { L"options close each other", L"<popup><option>a<option>b</popup>",
      L"<popup><option>a</option><option>b</option></popup>" },
    { L"void and self-closing", L"<br><img src=x><input/><b/>t", L"<br><img src=\"x\"><input><b></b>t" },
    { L"stray end tag dropped", L"<p>a</span>b</p>", L"<p>ab</p>" },
    { L"unclosed ends with parent", L"<div><span>a</div>b", L"<div><span>a</span></div>b" },
    { L"comments dropped", L"a<!-- <button>RELOAD</button> -->b", L"ab" },
    { L"lone less-than is text", L"a < b <3", L"a &lt; b &lt;3" },
    { L"style is raw text", L"<style>a > b { x: '<i>' }</style>", L"<style>a > b { x: '<i>' }</style>" },
    { L"upper-case tags", L"<DIV ID=a></div>", L"<div ID=\"a\"></div>" },
    { L"custom tags", L"<widget><caption/><popup></popup></widget>",
      L"<widget><caption></caption><popup></popup></widget>" },
};

}  // namespace

TEST(HtmlParser, BuildsTheTreeTheMarkupMeans)
{
    for (const Case& c : kCases)
        EXPECT_EQ(c.tree, Reparse(c.markup)) << c.name;
}

TEST(HtmlParser, DocumentRootIsHtml)
{
    Element* page = ParseDocument(L"<!DOCTYPE html>\n<html><head><title>T</title></head><body>x</body></html>\n");
    EXPECT_EQ("html", page->Tag());
    EXPECT_EQ(2u, page->ChildCount());
    DiscardNodes({ page });

    Element* bare = ParseDocument(L"<div>x</div><p>y</p>");
    EXPECT_EQ("html", bare->Tag());
    EXPECT_EQ(L"<div>x</div><p>y</p>", InnerHtml(*bare));
    DiscardNodes({ bare });
}

TEST(HtmlParser, AttributeNamesIgnoreCase)
{
    Element holder("div");
    for (Node* node : ParseFragment(L"<tr rowSelect=true mappingState=2>"))
        holder.AppendNode(node);
    Element* row = holder.Child(0);
    ASSERT_NE(nullptr, row->FindAttribute("rowselect"));
    EXPECT_EQ(L"true", *row->FindAttribute("ROWSELECT"));
    EXPECT_EQ(L"2", row->AttributeOr("mappingstate"));
    DiscardNodes(holder.TakeNodes());
}
