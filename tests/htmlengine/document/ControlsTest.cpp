#include "EngineFixture.h"

namespace {

const char kSelect[] = "<select id=s novalue='-- pick --'><caption></caption><button role=dropdown></button><popup>"
                       "<option value=1 mappingState=2 imageId=i1>One</option>"
                       "<option value=2 mappingState=3>Two</option></popup></select>";

class Controls : public EngineTest {
protected:
    static VALUE Make(const wchar_t* text)
    {
        VALUE value;
        ValueInit(&value);
        ValueStringDataSet(&value, text, uint32_t(wcslen(text)), 0);
        return value;
    }
    static VALUE Make(int number, uint32_t type)
    {
        VALUE value;
        ValueInit(&value);
        ValueIntDataSet(&value, number, type, 0);
        return value;
    }
};

}  // namespace

TEST_F(Controls, SelectWithNothingChosenShowsNothing)
{
    Load(kSelect);
    HELEMENT caption = Find("caption");
    EXPECT_EQ(L"undefined", Value(Find("#s")));
    EXPECT_EQ(L"-- pick --", Text(caption));
    EXPECT_EQ(L"(none)", Attribute(caption, "mappingState"));
}

TEST_F(Controls, EveryWayOfChoosingCopiesTheOptionOntoTheCaption)
{
    Load(kSelect);
    HELEMENT caption = Find("caption");
    VALUE two = Make(L"2");
    SetValue(Find("#s"), two);  // by value
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    EXPECT_EQ(L"3", Attribute(caption, "mappingState"));
    EXPECT_EQ(L"Two", Text(caption));
    VALUE none = Make(L"9");
    SetValue(Find("#s"), none);  // no such option: unchanged
    EXPECT_EQ(L"\"2\"", Value(Find("#s")));
    ValueClear(&two);
    ValueClear(&none);

    HTMLayoutSetElementState(Find("option[value='1']"), STATE_CHECKED, 0, TRUE);  // by state
    EXPECT_EQ(L"i1", Attribute(caption, "imageId"));
    EXPECT_EQ(0u, State(Find("option[value='2']")) & STATE_CHECKED);
    EXPECT_TRUE(events_.empty());  // code fires no events

    HTMLayoutTestChooseOption(Find("#s"), 1, nullptr);  // by the user
    EXPECT_EQ(L"3", Attribute(caption, "mappingState"));
    EXPECT_EQ(L"(none)", Attribute(caption, "imageId"));  // replaced, not merged
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from s" }, events_);
    EXPECT_EQ(UINT(STATE_COLLAPSED), State(Find("popup")) & (STATE_COLLAPSED | STATE_EXPANDED));

    HTMLayoutSetElementState(Find("option[value='2']"), 0, STATE_CHECKED, TRUE);
    EXPECT_EQ(L"undefined", Value(Find("#s")));
    EXPECT_EQ(L"(none)", Attribute(caption, "mappingState"));
}

TEST_F(Controls, MarkupSelectionAndDropdownToggle)
{
    Load("<select id=s><caption></caption><popup><option value=a>A</option>"
         "<option value=b selected>B</option></popup></select>");
    EXPECT_EQ(L"\"b\"", Value(Find("#s")));
    EXPECT_EQ(L"b", Attribute(Find("caption"), "value"));
    Click("caption");
    EXPECT_NE(0u, State(Find("popup")) & STATE_EXPANDED);
    EXPECT_EQ(Find("popup"), Find("popup:expanded"));
    Click("caption");
    EXPECT_EQ(0u, State(Find("popup")) & STATE_EXPANDED);
    Load(kSelect);
    Click("button");  // the dropdown button opens its select, it is no button of its own
    EXPECT_NE(0u, State(Find("popup")) & STATE_EXPANDED);
    EXPECT_TRUE(events_.empty());
}

TEST_F(Controls, CheckBoxesAndRadios)
{
    Load("<input type=checkbox id=c checked><button type=checkbox id=bc></button>"
         "<button type=radio name=g value=1 id=r1 checked></button><input type=radio name=g value=2 id=r2>"
         "<input type=radio name=other id=r3 checked>");
    EXPECT_EQ(L"true", Value(Find("#c")));
    EXPECT_EQ(L"false", Value(Find("#bc")));
    Click("#bc");
    EXPECT_EQ(L"true", Value(Find("#bc")));
    EXPECT_EQ((std::vector<std::string> { "event 0x4 from bc", "event 0x0 from bc" }), events_);
    VALUE no = Make(0, VALUE_INT);
    SetValue(Find("#c"), no);
    EXPECT_EQ(L"false", Value(Find("#c")));

    VALUE yes = Make(1, VALUE_BOOL);
    SetValue(Find("#r2"), yes);
    EXPECT_EQ(L"false", Value(Find("#r1")));
    EXPECT_EQ(L"true", Value(Find("#r3")));  // another group
    Click("#r1");
    EXPECT_EQ(L"true", Value(Find("#r1")));
    EXPECT_EQ(L"false", Value(Find("#r2")));
    EXPECT_EQ(L"(none)", Attribute(Find("#r2"), "checked"));
}

TEST_F(Controls, EditsTypeWithinLimitsAndMaskPasswords)
{
    Load("<input id=t maxlength=5 value=ab><input type=password id=p password-char='#'><div id=d>old</div>");
    HELEMENT edit = Find("#t");
    HTMLayoutTestType(hwnd_, edit, L"cdefg");
    EXPECT_EQ(L"\"abcde\"", Value(edit));
    HTMLayoutTestKeyDown(hwnd_, edit, VK_BACK, 0);
    HTMLayoutTestKeyDown(hwnd_, edit, VK_HOME, 0);
    HTMLayoutTestKeyDown(hwnd_, edit, VK_DELETE, 0);
    EXPECT_EQ(L"\"bcd\"", Value(edit));
    HTMLayoutTestKeyDown(hwnd_, edit, VK_END, KEYBOARD_SHIFT);
    HTMLayoutTestType(hwnd_, edit, L"z");
    EXPECT_EQ(L"\"z\"", Value(edit));
    VALUE longer = Make(L"1234567");
    SetValue(edit, longer);  // code is not cut to maxlength
    EXPECT_EQ(L"\"1234567\"", Value(edit));
    VALUE undefined;
    ValueInit(&undefined);
    SetValue(edit, undefined);
    EXPECT_EQ(L"\"\"", Value(edit));

    HTMLayoutTestType(hwnd_, Find("#p"), L"secret");
    EXPECT_EQ(L"\"secret\"", Value(Find("#p")));
    EXPECT_EQ(L"######", Shown(Find("#p")));

    VALUE text = Make(L"new");
    SetValue(Find("#d"), text);  // any other element: its text
    EXPECT_EQ(L"\"new\"", Value(Find("#d")));
    ValueClear(&longer);
    ValueClear(&text);
}

TEST_F(Controls, DatesAreMidnightFileTimesWithoutZoneShift)
{
    Load("<input type=date id=d><input id=other>");
    HELEMENT date = Find("#d");
    EXPECT_EQ(L"undefined", Value(date));
    VALUE value;
    ValueInit(&value);
    ValueInt64DataSet(&value, FileTimeOf(2026, 12, 1) + 13 * 36000000000LL, VALUE_DATE, 0);
    SetValue(date, value);
    ValueClear(&value);
    EXPECT_EQ(L"date:" + std::to_wstring(FileTimeOf(2026, 12, 1)), Value(date));
    EXPECT_EQ(L"2026-12-01", Shown(date));

    HTMLayoutTestSetFocus(hwnd_, date);
    HTMLayoutTestKeyDown(hwnd_, date, VK_END, KEYBOARD_SHIFT);
    HTMLayoutTestKeyDown(hwnd_, date, VK_HOME, KEYBOARD_SHIFT);
    HTMLayoutTestType(hwnd_, date, L"2/29/2028");
    EXPECT_TRUE(events_.empty());  // committed on leaving, not per key
    HTMLayoutTestSetFocus(hwnd_, Find("#other"));
    EXPECT_EQ(L"date:" + std::to_wstring(FileTimeOf(2028, 2, 29)), Value(date));
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from d" }, events_);

    HTMLayoutTestType(hwnd_, date, L"x");
    HTMLayoutTestKeyDown(hwnd_, date, VK_RETURN, 0);  // unreadable: back to the last date, and said so
    EXPECT_EQ(L"2028-02-29", Shown(date));
    EXPECT_EQ("event 0x5 from d", events_.back());
}

TEST_F(Controls, ProgressBarsMoveTowardTheRequestedValue)
{
    Load("<progress id=p value=10 requested-value=15></progress>");
    HELEMENT bar = Find("#p");
    EXPECT_EQ(L"10", Value(bar));
    SendMessageW(hwnd_, WM_TIMER, 0x48454E31, 0);
    EXPECT_EQ(L"13", Value(bar));
    SendMessageW(hwnd_, WM_TIMER, 0x48454E31, 0);
    EXPECT_EQ(L"15", Value(bar));
    EXPECT_EQ(L"(none)", Attribute(bar, "requested-value"));
    HTMLayoutSetAttributeByName(bar, "requested-value", L"13");
    SendMessageW(hwnd_, WM_TIMER, 0x48454E31, 0);
    EXPECT_EQ(L"14", Value(bar));
    VALUE value;
    ValueInit(&value);
    ValueIntDataSet(&value, 70, VALUE_INT, 0);
    SetValue(bar, value);
    EXPECT_EQ(L"70", Attribute(bar, "value"));
}
