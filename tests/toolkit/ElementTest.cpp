#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "PageFixture.h"
#include "ui/toolkit/ElementHelpers.h"

using htmlayout::dom::element;

namespace {

const char kPage[] = R"(<html><body>
<div id="outer"><div id="inner"><span id="deep" class="leaf">deep text</span></div></div>
<select id="sel"><caption></caption><button role="dropdown"></button>
  <popup><option value="1">One</option><option value="abc">Abc</option>
  <option>No value</option></popup></select>
<button type="radio" name="grp" value="1" id="r1"></button>
<button type="radio" name="grp" value="2" id="r2"></button>
<button id="plain" name="plain">Press</button>
<table id="tbl"><tr id="h"><th>H</th></tr><tr id="a"><td>a</td></tr><tr id="b"><td>b</td></tr>
  <tr id="c"><td>c</td></tr></table>
<input id="edit" type="text">
</body></html>)";

class ElementTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }
};

bool IsFreed(HELEMENT he)
{
    return HTMLayout_UseElement(he) == ENGINE_INVALID_HANDLE;
}

TEST_F(ElementTest, CopiesMovesAndAssignmentsEachHoldTheNodeUntilTheLastHandleGoes)
{
    HELEMENT raw = nullptr;
    {
        element made = element::create("div", L"x");
        raw = made;
        element copy = made;
        made.release();
        EXPECT_FALSE(made.is_valid());
        EXPECT_STREQ(L"x", copy.get_text().c_str());

        element moved(std::move(copy));
        EXPECT_FALSE(copy.is_valid());
        element assigned;
        assigned = moved;
        moved = element();
        element& same = assigned;
        assigned = same;
        EXPECT_STREQ(L"x", assigned.get_text().c_str());

        element target = element::create("p");
        target = std::move(assigned);
        EXPECT_FALSE(assigned.is_valid());
        EXPECT_FALSE(IsFreed(raw));
        HTMLayout_UnuseElement(raw);  // the probe's own reference
    }
    EXPECT_TRUE(IsFreed(raw));
}

TEST_F(ElementTest, DeletedAndNullElementsAnswerDefaultsWithoutCrashing)
{
    element deep = page.Find("#deep");
    element other = deep;
    deep.destroy();
    EXPECT_FALSE(deep.is_valid());
    EXPECT_TRUE(other.is_valid());
    EXPECT_EQ(nullptr, other.get_attribute("id"));
    EXPECT_FALSE(page.Root().get_element_by_id("deep").is_valid());
    other.release();

    element none;
    EXPECT_FALSE(none.find_first("div").is_valid());
    EXPECT_FALSE(none.root().is_valid());
    EXPECT_FALSE(none.parent().is_valid());
    EXPECT_EQ(0u, none.children_count());
    EXPECT_EQ(0u, none.get_state());
    EXPECT_STREQ(L"", none.get_text().c_str());
    EXPECT_EQ(0, none.get_html(true).length());
    EXPECT_FALSE(none.click());
    none.set_text(L"ignored");
    none.enable();
    none.delete_children_from(0);
    htmlayout::expand(none);
}

TEST_F(ElementTest, FindsBySelectorIdAndAncestorUnderTheElement)
{
    EXPECT_EQ("deep", Describe(page.Root().get_element_by_id("deep")));
    EXPECT_EQ("deep", Describe(page.Root().get_element_by_id(L"deep")));
    EXPECT_FALSE(page.Find("#inner").get_element_by_id("outer").is_valid());
    EXPECT_EQ("inner", Describe(page.Find("#outer").find_first(":root>div")));
    EXPECT_EQ("outer", Describe(page.Find("#deep").select_parent_w(L"div#%ls", L"outer")));
    EXPECT_EQ("deep", Describe(page.Find("#deep").select_parent_w(L"span")));
    EXPECT_EQ("r2", Describe(page.Root().find_first("[name='%ls'][value='%d']", L"grp", 2)));
    EXPECT_EQ("r1", Describe(page.Root().find_first_w(L"[name='%hs']", "grp")));
    EXPECT_FALSE(page.Root().find_first("#nothing").is_valid());

    std::vector<element> found(1);
    page.Root().find_all(&found, "#nothing");
    EXPECT_EQ(1u, found.size());
    page.Find("#tbl").find_all_w(&found, L"tr");
    ASSERT_EQ(5u, found.size());
    EXPECT_EQ("h", Describe(found[1]));
    EXPECT_EQ("c", Describe(found[4]));
}

// A selector that does not fit the buffer must not be cut into one that matches.
TEST_F(ElementTest, AnOverlongSelectorFindsNothing)
{
    std::string padding(element::kSelectorBufferSize, 'x');
    EXPECT_TRUE(page.Root().find_first("#deep, %s", "x").is_valid());
    EXPECT_FALSE(page.Root().find_first("#deep, %s", padding.c_str()).is_valid());
    std::wstring widePadding(element::kSelectorBufferSize, L'x');
    EXPECT_FALSE(page.Root().find_first_w(L"#deep, %ls", widePadding.c_str()).is_valid());
    std::vector<element> found;
    page.Root().find_all(&found, "#deep, %s", padding.c_str());
    EXPECT_TRUE(found.empty());
}

TEST_F(ElementTest, TreeEditsInsertMoveDetachAndDeleteChildren)
{
    element outer = page.Find("#outer");
    element made = element::create("b", L"new");
    outer.insert(made, 0);
    EXPECT_EQ(outer, made.parent());
    EXPECT_EQ(0u, made.index());
    element tail = element::create("i");
    outer.append(tail);
    EXPECT_EQ(2u, tail.index());
    page.Find("#tbl").append(made);  // moves it
    EXPECT_EQ(2u, outer.children_count());
    made.detach();
    EXPECT_FALSE(made.parent().is_valid());
    EXPECT_EQ(outer, page.Find("#deep").root().get_element_by_id("outer"));

    element table = page.Find("#tbl");
    table.delete_children_from(4);
    EXPECT_EQ(4u, table.children_count());
    table.delete_children_from(1);
    EXPECT_EQ("h", Ids("#tbl > tr"));
}

TEST_F(ElementTest, TextMarkupAttributesAndStylesRoundTrip)
{
    element deep = page.Find("#deep");
    deep.set_text(L"changed");
    EXPECT_STREQ(L"changed", deep.get_text().c_str());
    EXPECT_STREQ("changed", deep.get_html(false).c_str());
    EXPECT_NE(nullptr, std::strstr(deep.get_html(true).c_str(), "<span"));

    element inner = page.Find("#inner");
    const char markup[] = "<em id=\"em\">x</em>";
    inner.set_html(reinterpret_cast<const unsigned char*>(markup), sizeof markup - 1);
    EXPECT_EQ("em", Ids("#inner > *"));
    inner.set_html(nullptr, 0);
    EXPECT_EQ(0u, inner.children_count());

    inner.set_attribute("selected", L"");
    EXPECT_STREQ(L"", inner.get_attribute("selected"));
    inner.set_attribute("selected", nullptr);
    EXPECT_EQ(nullptr, inner.get_attribute("selected"));

    inner.set_style_attribute("display", L"none");
    EXPECT_STREQ(L"none", inner.get_style_attribute("display"));
    EXPECT_FALSE(inner.is_visible());
    inner.set_style_attribute("display", nullptr);
    EXPECT_STREQ(L"block", inner.get_style_attribute("display"));
    EXPECT_TRUE(inner.is_visible());

    element edit = page.Find("#edit");
    edit.set_value(json::value(L"typed"));
    EXPECT_STREQ(L"typed", edit.get_value().get_string(nullptr).c_str());
}

TEST_F(ElementTest, StatesEnableDisableExpandAndCollapse)
{
    element plain = page.Find("#plain");
    plain.disable();
    EXPECT_TRUE(HasState(plain, STATE_DISABLED));
    EXPECT_FALSE(plain.click());
    plain.enable();
    EXPECT_FALSE(HasState(plain, STATE_DISABLED));

    element inner = page.Find("#inner");
    htmlayout::expand(inner);
    EXPECT_EQ(STATE_EXPANDED, inner.get_state() & (STATE_EXPANDED | STATE_COLLAPSED));
    htmlayout::collapse(inner);
    EXPECT_EQ(STATE_COLLAPSED, inner.get_state() & (STATE_EXPANDED | STATE_COLLAPSED));
    inner.set_expanded_flag();
    EXPECT_TRUE(HasState(inner, STATE_EXPANDED));
    inner.set_state(STATE_CURRENT, 0);
    inner.set_state(0, STATE_CURRENT);
    EXPECT_FALSE(HasState(inner, STATE_CURRENT));
}

TEST_F(ElementTest, SelectHelpersReadTheCaptionAndChooseByValue)
{
    element select = page.Find("#sel");
    EXPECT_TRUE(htmlayout::get_select_caption(select).is_valid());
    EXPECT_EQ(L"none", htmlayout::get_select_value(select, L"none"));
    EXPECT_EQ(-7, htmlayout::get_select_int_value(select, -7));

    htmlayout::set_select_value(select, L"abc");
    EXPECT_TRUE(HasState(page.Find("option[value='abc']"), STATE_CHECKED));
    EXPECT_EQ(L"abc", htmlayout::get_select_value(select, L""));
    EXPECT_EQ(0, htmlayout::get_select_int_value(select, -7));

    htmlayout::set_select_value(select, L"1");
    EXPECT_EQ(1, htmlayout::get_select_int_value(select, -7));
    htmlayout::set_select_value(select, L"missing");
    EXPECT_TRUE(HasState(page.Find("option[value='1']"), STATE_CHECKED));
    EXPECT_FALSE(HasState(page.Find("option[value='abc']"), STATE_CHECKED));
    EXPECT_FALSE(HasState(page.Find("popup").child(2), STATE_CHECKED));
}

TEST_F(ElementTest, RadioHelpersCheckAndReadTheGroup)
{
    EXPECT_EQ(0, htmlayout::get_radio_value(page.Root(), L"grp"));
    htmlayout::set_radio_value(page.Root(), L"grp", 2);
    EXPECT_TRUE(HasState(page.Find("#r2"), STATE_CHECKED));
    EXPECT_EQ(2, htmlayout::get_radio_value(page.Root(), L"grp"));
    htmlayout::set_radio_value(page.Root(), L"grp", 1);
    EXPECT_FALSE(HasState(page.Find("#r2"), STATE_CHECKED));
    EXPECT_EQ(1, htmlayout::get_radio_value(page.Root(), L"grp"));
    htmlayout::set_radio_value(page.Root(), L"grp", 9);
    EXPECT_EQ(1, htmlayout::get_radio_value(page.Root(), L"grp"));
}

TEST_F(ElementTest, EventsMethodsAndIdentitiesReachTheEngine)
{
    element plain = page.Find("#plain");
    EXPECT_TRUE(plain.click());
    EXPECT_EQ(std::vector<std::string> { "0x0 from plain reason 0" }, TakeEvents());

    element deep = page.Find("#deep");
    deep.post_event(0x81, 3, deep);
    EXPECT_TRUE(TakeEvents().empty());
    page.Flush();
    EXPECT_EQ(std::vector<std::string> { "0x81 from deep reason 3" }, TakeEvents());
    EXPECT_FALSE(deep.send_event(0x82, 1, page.Find("#inner")));
    EXPECT_EQ(std::vector<std::string> { "0x82 from inner reason 1" }, TakeEvents());

    EXPECT_EQ(deep, element::element_by_uid(hwnd_, deep.get_uid()));
    EXPECT_EQ(hwnd_, deep.get_element_hwnd(true));
    EXPECT_EQ(page.Root(), deep.root());
}

}  // namespace
