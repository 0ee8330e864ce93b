#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/html/HtmlParser.h"

#include <gtest/gtest.h>

using namespace htmlengine;

namespace {

const wchar_t kPage[] = L"<div id=top class='strip main'>"
                        L"<div panel=idA class=strip><span name='x' value='1'>a</span></div>"
                        L"<table><tbody id=T><tr class=datarow mappingState=2><td colType=colBilledFlag>b</td></tr>"
                        L"<tr class=datarow hiderow=\"true\"><td>c</td></tr></tbody></table>"
                        L"<select><caption mappingState=1></caption><popup><option value=3>o</option></popup></select>"
                        L"</div>";

class Selection : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (Node* node : ParseFragment(kPage))
            holder_.AppendNode(node);
        top_ = holder_.Child(0);
    }
    void TearDown() override { DiscardNodes(holder_.TakeNodes()); }

    // Ids or tags of the matches under `scope`, in document order.
    std::wstring Select(const std::wstring& selector, Element* scope = nullptr)
    {
        scope = scope ? scope : top_;
        SelectorList list = ParseSelectors(selector);
        std::wstring found;
        Visit(*scope, *scope, list, found);
        return found;
    }

    void Visit(Element& scope, Element& parent, const SelectorList& list, std::wstring& found)
    {
        for (Element* child : parent.Children()) {
            if (MatchesAny(list, *child, &scope))
                found += (found.empty() ? L"" : L" ") +
                         child->AttributeOr("id", std::wstring(child->Tag().begin(), child->Tag().end()));
            Visit(scope, *child, list, found);
        }
    }

    Element holder_ { "body" };
    Element* top_ = nullptr;
};

}  // namespace

TEST_F(Selection, SimpleSelectorsAndCombinators)
{
    EXPECT_EQ(L"tr tr", Select(L"tr"));
    EXPECT_EQ(L"T", Select(L"tbody#T"));
    EXPECT_EQ(L"tr tr", Select(L"tbody#T>tr"));
    EXPECT_EQ(L"tr tr", Select(L"table  tr.datarow"));
    EXPECT_EQ(L"", Select(L"table > tr"));
    EXPECT_EQ(L"div", Select(L".strip"));
    EXPECT_EQ(L"div span", Select(L"[panel], span.x, span"));  // a list, each match once
    EXPECT_EQ(L"span", Select(L":root>.strip>[name]"));
    EXPECT_EQ(L"", Select(L":root>[name]"));
}

TEST_F(Selection, AttributeValuesCompareExactly)
{
    EXPECT_EQ(L"div", Select(L"[panel=idA]"));
    EXPECT_EQ(L"", Select(L"[panel=ida]"));
    EXPECT_EQ(L"span", Select(L"[name='x'][value='1']"));
    EXPECT_EQ(L"tr", Select(L"tr[hiderow=\"true\"]"));
    EXPECT_EQ(L"tr", Select(L"tr.datarow[mappingState]"));
    EXPECT_EQ(L"caption", Select(L"caption[mappingState=\"1\"]"));
    EXPECT_EQ(L"td", Select(L"td[colType=colBilledFlag]"));
    EXPECT_EQ(L"option", Select(L"option[value=\"3\"]"));
}

TEST_F(Selection, StatesAndStructure)
{
    Element* option = top_->Child(2)->Child(1)->Child(0);
    EXPECT_EQ(L"", Select(L"option:checked"));
    option->SetStateBits(kStateChecked);
    EXPECT_EQ(L"option", Select(L"popup > option:checked"));
    EXPECT_EQ(L"", Select(L"option:checked:disabled"));
    EXPECT_EQ(L"tr", Select(L"tr:nth-child(2)"));
    EXPECT_EQ(L"tr", Select(L"tr:nth-child(odd)"));
    EXPECT_EQ(L"td", Select(L"td", top_->Child(1)->Child(0)->Child(1)));
}

TEST(SelectorParser, RejectsWhatItCannotRead)
{
    for (const wchar_t* bad : { L"", L"tr >", L"[x", L"a:unknown", L"a,,b", L"#", L"a:nth-child(x)", L"a + b" })
        EXPECT_THROW(ParseSelectors(bad), SelectorError) << bad;
}

TEST(SelectorParser, Specificity)
{
    EXPECT_EQ(0x10000u + 0x100u + 1u, ParseSelectors(L"tbody#x.y")[0].specificity);
    EXPECT_EQ(0x200u + 1u, ParseSelectors(L"option[value]:checked")[0].specificity);
}
