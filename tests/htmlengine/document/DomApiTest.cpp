#include "EngineFixture.h"

namespace {

void CALLBACK CollectBytes(const BYTE* bytes, UINT length, LPVOID param)
{
    static_cast<std::string*>(param)->assign(reinterpret_cast<const char*>(bytes), length);
}

void CALLBACK NoteCalled(const wchar_t*, UINT, LPVOID param)
{
    *static_cast<bool*>(param) = true;
}

BOOL CALLBACK Ignore(HELEMENT, LPVOID)
{
    return FALSE;
}

BOOL CALLBACK Collect(HELEMENT he, LPVOID param)
{
    static_cast<std::vector<HELEMENT>*>(param)->push_back(he);
    return FALSE;
}

INT CALLBACK ByAttributeK(HELEMENT a, HELEMENT b, LPVOID)
{
    const wchar_t *x = nullptr, *y = nullptr;
    HTMLayoutGetAttributeByName(a, "k", &x);
    HTMLayoutGetAttributeByName(b, "k", &y);
    return wcscmp(x, y);
}

class Dom : public EngineTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EngineTest::SetUp());
        Load("<html><body><div id=a class='x y'><span>one</span> <b>two</b></div>"
             "<table id=t><tr id=r1><td>1</td></tr><tr id=r2><td>2</td></tr></table></body></html>");
    }

    std::string Html(HELEMENT he, bool outer)
    {
        std::string html;
        HTMLayoutGetElementHtmlCB(he, outer, CollectBytes, &html);
        return html;
    }

    void SetHtml(HELEMENT he, const std::string& html, UINT where)
    {
        EXPECT_EQ(ENGINE_OK,
                  HTMLayoutSetElementHtml(he, reinterpret_cast<const BYTE*>(html.data()), DWORD(html.size()), where));
    }
};

}  // namespace

TEST_F(Dom, TreeNavigation)
{
    HELEMENT root = Root();
    HELEMENT parent = reinterpret_cast<HELEMENT>(1);
    EXPECT_EQ(ENGINE_OK, HTMLayoutGetParentElement(root, &parent));
    EXPECT_EQ(nullptr, parent);
    HELEMENT div = Find("#a");
    UINT count = 0, index = 9;
    HTMLayoutGetChildrenCount(div, &count);
    EXPECT_EQ(2u, count);  // text is not counted
    HELEMENT b = nullptr;
    HTMLayoutGetNthChild(div, 1, &b);
    EXPECT_EQ(L"two", Text(b));
    HTMLayoutGetElementIndex(b, &index);
    EXPECT_EQ(1u, index);
    HTMLayoutGetNthChild(div, 2, &b);
    EXPECT_EQ(nullptr, b);
    EXPECT_EQ(L"one two", Text(div));
    HWND hwnd = nullptr;
    HTMLayoutGetElementHwnd(div, &hwnd, FALSE);
    EXPECT_EQ(hwnd_, hwnd);
}

TEST_F(Dom, HandlesOutliveTheTreeAndStaleOnesFail)
{
    HELEMENT row = Find("#r1");
    ASSERT_EQ(ENGINE_OK, HTMLayout_UseElement(row));
    EXPECT_EQ(ENGINE_OK, HTMLayoutDetachElement(row));
    EXPECT_EQ(L"1", Text(row));  // detached, referenced: alive
    EXPECT_EQ(nullptr, Find("#r1"));
    EXPECT_EQ(ENGINE_OK, HTMLayoutInsertElement(row, Find("#t"), 0x7FFFFFFF));
    EXPECT_EQ(Find("#r1"), FindAll("tr").back());

    EXPECT_EQ(ENGINE_OK, HTMLayoutDeleteElement(row));
    const wchar_t* id = nullptr;
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayoutGetAttributeByName(row, "id", &id));
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayout_UseElement(row));
    EXPECT_EQ(ENGINE_OK, HTMLayout_UnuseElement(row));  // the last reference: freed now
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayout_UnuseElement(row));
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayoutGetAttributeByName(reinterpret_cast<HELEMENT>(0x1234), "id", &id));
}

TEST_F(Dom, CreateInsertMoveAndUids)
{
    HELEMENT created = nullptr;
    ASSERT_EQ(ENGINE_OK, HTMLayoutCreateElement("option", L"Label", &created));
    HTMLayout_UseElement(created);
    HTMLayoutInsertElement(created, Find("#a"), 0);
    EXPECT_EQ(L"Labelone two", Text(Find("#a")));
    HTMLayoutInsertElement(Find("span"), Find("#t"), 1);  // moves
    EXPECT_EQ(L"Label two", Text(Find("#a")));
    EXPECT_EQ(Find("span"), FindAll("#t > *")[1]);

    UINT uid = 0, other = 0;
    HTMLayoutGetElementUID(created, &uid);
    HTMLayoutGetElementUID(Find("#t"), &other);
    EXPECT_NE(0u, uid);
    EXPECT_NE(uid, other);
    HELEMENT byUid = nullptr;
    EXPECT_EQ(ENGINE_OK, HTMLayoutGetElementByUID(hwnd_, uid, &byUid));
    EXPECT_EQ(created, byUid);
    EXPECT_NE(ENGINE_OK, HTMLayoutGetElementByUID(hwnd_, 0, &byUid));
    EXPECT_NE(ENGINE_OK, HTMLayoutGetElementByUID(hwnd_, 0x7FFFFFF0, &byUid));
    HTMLayout_UnuseElement(created);
}

TEST_F(Dom, MarkupAndTextInAndOut)
{
    HELEMENT div = Find("#a");
    SetHtml(div, "<i>\xC3\xA9</i>", SIH_REPLACE_CONTENT);
    EXPECT_EQ("<i>\xC3\xA9</i>", Html(div, FALSE));
    SetHtml(div, "<u>0</u>", SIH_INSERT_AT_START);
    SetHtml(div, "<s>9</s>", SIH_APPEND_AFTER_LAST);
    EXPECT_EQ("<div id=\"a\" class=\"x y\"><u>0</u><i>\xC3\xA9</i><s>9</s></div>", Html(div, TRUE));
    SetHtml(Find("u"), "<em>a</em>", SOH_INSERT_BEFORE);
    SetHtml(Find("s"), "<em>z</em>", SOH_INSERT_AFTER);
    SetHtml(Find("i"), "<q>1</q><q>2</q>", SOH_REPLACE);
    EXPECT_EQ("<em>a</em><u>0</u><q>1</q><q>2</q><s>9</s><em>z</em>", Html(div, FALSE));
    EXPECT_EQ(nullptr, Find("i"));
    HTMLayoutSetElementInnerText16(div, L"<plain> & text", 14);
    EXPECT_EQ(L"<plain> & text", Text(div));
    EXPECT_EQ("&lt;plain&gt; &amp; text", Html(div, FALSE));
    HTMLayoutSetElementInnerText16(div, L"", 0);
    bool called = false;
    HTMLayoutGetElementInnerTextCB(div, NoteCalled, &called);
    EXPECT_FALSE(called);
}

TEST_F(Dom, AttributesIgnoreCaseAndNullRemoves)
{
    HELEMENT div = Find("#a");
    HTMLayoutSetAttributeByName(div, "rowSelect", L"true");
    EXPECT_EQ(L"true", Attribute(div, "rowselect"));
    EXPECT_EQ(div, Find("[ROWSELECT=true]"));
    HTMLayoutSetAttributeByName(div, "rowselect", nullptr);
    EXPECT_EQ(L"(none)", Attribute(div, "rowSelect"));
    HTMLayoutSetAttributeByName(div, "disabled", L"");
    EXPECT_EQ(UINT(STATE_DISABLED), State(div) & STATE_DISABLED);
    HTMLayoutSetAttributeByName(div, "disabled", nullptr);
    EXPECT_EQ(0u, State(div) & STATE_DISABLED);
    HTMLayoutSetAttributeByName(div, "class", L"z");
    EXPECT_EQ(nullptr, Find(".x"));
    EXPECT_EQ(div, Find("div.z"));
}

TEST_F(Dom, SelectionScopesAndParents)
{
    EXPECT_EQ(2u, FindAll("tr").size());
    EXPECT_EQ(0u, FindAll("tr", Find("#r1")).size());  // descendants only
    EXPECT_EQ(1u, FindAll(":root > td", Find("#r1")).size());
    HELEMENT found = nullptr;
    HTMLayoutSelectParentW(Find("td"), L"table", 0, &found);
    EXPECT_EQ(Find("#t"), found);
    HTMLayoutSelectParentW(Find("td"), L"td", 0, &found);
    EXPECT_EQ(Find("td"), found);  // itself first
    HTMLayoutSelectParentW(Find("td"), L"table", 2, &found);
    EXPECT_EQ(nullptr, found);
    EXPECT_NE(ENGINE_OK, HTMLayoutSelectElements(Root(), "tr >", Ignore, nullptr));

    std::vector<HELEMENT> visited;
    HTMLayoutVisitElements(Root(), nullptr, "id", L"r2", Collect, &visited, 0);
    ASSERT_EQ(1u, visited.size());
    EXPECT_EQ(Find("#r2"), visited[0]);
}

TEST_F(Dom, SortingIsStableAndKeepsText)
{
    SetHtml(Find("#a"), "<i k=2>a</i> <i k=1>b</i> <i k=2>c</i> <i k=1>d</i>", SIH_REPLACE_CONTENT);
    EXPECT_EQ(ENGINE_OK, HTMLayoutSortElements(Find("#a"), 0, 4, ByAttributeK, nullptr));
    EXPECT_EQ(L"b d a c", Text(Find("#a")));
}

TEST_F(Dom, StatesFollowTheRules)
{
    HELEMENT div = Find("#a");
    HTMLayoutSetElementState(div, STATE_EXPANDED, 0, TRUE);
    HTMLayoutSetElementState(div, STATE_COLLAPSED, 0, TRUE);
    EXPECT_EQ(UINT(STATE_COLLAPSED), State(div) & (STATE_EXPANDED | STATE_COLLAPSED));
    HTMLayoutSetElementState(div, STATE_EXPANDED, 0, TRUE);
    EXPECT_EQ(UINT(STATE_EXPANDED), State(div) & (STATE_EXPANDED | STATE_COLLAPSED));
    HTMLayoutSetElementState(div, STATE_EXPANDED | STATE_COLLAPSED, 0, TRUE);
    EXPECT_EQ(UINT(STATE_COLLAPSED), State(div) & (STATE_EXPANDED | STATE_COLLAPSED));
    EXPECT_EQ(div, Find("div:collapsed"));

    HTMLayoutSetElementState(Find("#r1"), STATE_FOCUS, 0, TRUE);
    HTMLayoutSetElementState(Find("#r2"), STATE_FOCUS, 0, TRUE);
    EXPECT_EQ(0u, State(Find("#r1")) & STATE_FOCUS);
    EXPECT_EQ(Find("#r2"), Find(":focus"));
    HTMLayoutSetElementState(Find("#r2"), 0, STATE_FOCUS, TRUE);
    EXPECT_EQ(nullptr, Find(":focus"));
    EXPECT_EQ(L"(none)", Attribute(div, "collapsed"));  // states never write attributes
}

TEST_F(Dom, StylesComputedAndRuntime)
{
    Load("<html><head><style>div { display: none } #b { display: inline-block !important }"
         " .c { background-image: url(stock:arrow-up) }</style></head>"
         "<body><div id=a style='display:block'><p id=p>x</p></div><div id=b style='display:none'></div>"
         "<span id=s class=c></span></body></html>");
    const wchar_t* value = nullptr;
    HTMLayoutGetStyleAttribute(Find("#a"), "display", &value);
    EXPECT_STREQ(L"block", value);
    HTMLayoutGetStyleAttribute(Find("#b"), "display", &value);
    EXPECT_STREQ(L"inline-block", value);
    HTMLayoutGetStyleAttribute(Find("#s"), "background-image", &value);
    EXPECT_STREQ(L"url(stock:arrow-up)", value);
    HTMLayoutGetStyleAttribute(Find("#s"), "unknown-thing", &value);
    EXPECT_EQ(nullptr, value);

    BOOL visible = FALSE;
    HTMLayoutIsElementVisible(Find("#p"), &visible);
    EXPECT_TRUE(visible);
    HTMLayoutSetStyleAttribute(Find("#a"), "display", L"none");
    HTMLayoutIsElementVisible(Find("#p"), &visible);
    EXPECT_FALSE(visible);
    HTMLayoutSetStyleAttribute(Find("#a"), "display", nullptr);
    HTMLayoutGetStyleAttribute(Find("#a"), "display", &value);
    EXPECT_STREQ(L"block", value);  // the style attribute again
}

TEST_F(Dom, MinimumSizeFromStyles)
{
    Load("<html><head><style>body { min-width: 800px; min-height: 680px }</style></head><body></body></html>");
    EXPECT_EQ(800u, HTMLayoutGetMinWidth(hwnd_));
    EXPECT_EQ(680u, HTMLayoutGetMinHeight(hwnd_, 800));
    HTMLayoutSetStyleAttribute(Root(), "width", L"1012");
    EXPECT_EQ(1012u, HTMLayoutGetMinWidth(hwnd_));
}

TEST_F(Dom, ElementsLiveWhileCountedAndNoLonger)
{
    HELEMENT span = Find("span");
    HTMLayout_UseElement(span);
    SetHtml(Find("#a"), "<i>new</i>", SIH_REPLACE_CONTENT);  // the old content is deleted
    const wchar_t* value = nullptr;
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayoutGetAttributeByName(span, "id", &value));
    EXPECT_EQ(ENGINE_OK, HTMLayout_UnuseElement(span));
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayout_UnuseElement(span));  // freed with the last count

    HELEMENT loose = nullptr;
    HTMLayoutCreateElement("p", nullptr, &loose);
    HTMLayoutInsertElement(loose, Find("#a"), 0);
    HTMLayoutDetachElement(loose);  // out of the tree with no count: freed
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayout_UseElement(loose));
}

TEST_F(Dom, ElementValuesCountTheirElement)
{
    HELEMENT b = Find("b");
    VALUE held;
    ValueInit(&held);
    XCALL_PARAMS* captured = nullptr;
    windowHandler_ = [&](HELEMENT, UINT group, void* params) {
        if (group == GROUP_METHOD_CALL && static_cast<METHOD_PARAMS*>(params)->methodID == METHOD_SCRIPT_CALL) {
            captured = static_cast<XCALL_PARAMS*>(params);
            ValueCopy(&held, &captured->argv[0]);
        }
        return false;
    };
    HTMLayoutSetStyleAttribute(b, "on-click", L"host Keep(self)");
    HTMLayoutTestClick(b, 0);
    ASSERT_NE(nullptr, captured);
    const uint8_t* bytes = nullptr;
    uint32_t length = 0;
    ASSERT_EQ(VALUE_OK, ValueBinaryData(&held, &bytes, &length));
    EXPECT_EQ(b, HELEMENT(bytes));
    HTMLayoutDeleteElement(b);  // the copy still counts it: deleted, not freed
    const wchar_t* value = nullptr;
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayoutGetAttributeByName(b, "id", &value));
    ValueClear(&held);  // the last count: freed now
    EXPECT_EQ(ENGINE_INVALID_HANDLE, HTMLayout_UnuseElement(b));
}
