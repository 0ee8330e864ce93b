#include "EngineFixture.h"

namespace {

// One page with a rule for every trigger and every statement of the script language.
const char kPage[] = R"(<html><head><style>
  #go { on-click: host StartImport(); }
  #w { on-change: host dateRangeUpdated(); }
  #w input { on-focus-lost: { call dateRangeUpdated() on self.parent('widget'); host dateRangeUpdated(); } }
  #w option { on-click: call OnOptionClicked(self) on $('#w'); }
  #body { on-key-up-27: host closeDialog(); }
  #rows input { on-change: { self.parent('tr')@rowSelect = self:value; host EmployeeSelected(self@id, self:value, 7); } }
  span.employee { on-click: host ShowDetailedPreview(self.parent('tr').find('input')@id); }
  #hide { on-change: { for row in $$('tr[isNew="0"]') { row:expanded = !self:value; row:collapsed = self:value; } host Updated(); } }
  #kind { on-change: { $('#icon')@class = self.find('caption')@imageId; $('#icon').style('display') = 'block'; } }
  th.sortable { on-click: {
      if (self@sorted == 'asc') { sort($('#rows'), 'tr', 'desc', 'first [isNew=1]', 'span.employee :text lower'); self@sorted = 'desc'; }
      else { sort($('#rows'), 'tr', 'asc', 'first [isNew=1]', 'span.employee :text lower'); self@sorted = 'asc'; } } }
  #broken { on-click: host ( ; }
</style></head><body id=body>
  <button id=go>Import</button>
  <widget id=w><input type=date id=start><popup><option id=o1>Week</option></popup></widget>
  <input type=checkbox id=hide>
  <select id=kind><caption></caption><popup><option imageId=iconA value=a>A</option></popup></select><div id=icon></div>
  <table><tr><th class=sortable id=h>Name</th></tr><tbody id=rows>
    <tr isNew=0><td><input type=checkbox id=u1><span class=employee>bob</span></td></tr>
    <tr isNew=1><td><input type=checkbox id=u2><span class=employee>Carl</span></td></tr>
    <tr isNew=0><td><input type=checkbox id=u3 disabled><span class=employee>alice</span></td></tr>
  </tbody></table>
  <button id=broken>x</button>
</body></html>)";

class Scripts : public EngineTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EngineTest::SetUp());
        behaviors_["clickable"] = {};  // declined: the engine's own
        Load(kPage);
        HTMLayoutSetStyleAttribute(Find("#o1"), "behavior", L"clickable");
        events_.clear();
    }

    std::vector<std::string> HostCalls()
    {
        std::vector<std::string> calls;
        for (const std::string& e : events_)
            if (e.compare(0, 6, "event ") != 0)
                calls.push_back(e);
        return calls;
    }

    std::wstring Names()
    {
        std::wstring names;
        for (HELEMENT span : FindAll("#rows span.employee"))
            names += Text(span) + L" ";
        return names;
    }

    std::vector<std::string> methodCalls_;
};

}  // namespace

TEST_F(Scripts, ClicksOnButtonsAndPlainElementsCallTheHostOnce)
{
    Click("#go");
    Click("span.employee");
    EXPECT_EQ((std::vector<std::string> { "StartImport()", "ShowDetailedPreview(\"u1\")" }), HostCalls());
}

TEST_F(Scripts, ChangesFromTheUserRunRulesChangesFromCodeDoNot)
{
    Click("#u1");
    EXPECT_EQ(L"true", Attribute(Find("tr[isNew]"), "rowSelect"));
    EXPECT_EQ(std::vector<std::string> { "EmployeeSelected(\"u1\", true, 7)" }, HostCalls());
    events_.clear();
    VALUE no;
    ValueInit(&no);
    ValueIntDataSet(&no, 0, VALUE_BOOL, 0);
    SetValue(Find("#u1"), no);
    HTMLayoutSetElementState(Find("#u2"), STATE_CHECKED, 0, TRUE);
    EXPECT_TRUE(HostCalls().empty());
    Click("#u3");  // disabled
    EXPECT_TRUE(HostCalls().empty());
}

TEST_F(Scripts, SentEventsFocusLossKeysAndElementMethodCalls)
{
    behaviors_["range"] = { [this](HELEMENT he, UINT group, void* params) {
                               if (group != GROUP_METHOD_CALL)
                                   return false;
                               auto* call = static_cast<XCALL_PARAMS*>(params);
                               methodCalls_.push_back(Narrow(Attribute(he, "id")) + "." + call->method_name + "/" +
                                                      std::to_string(call->argc));
                               return true;
                           },
                            GROUP_METHOD_CALL };
    HTMLayoutSetStyleAttribute(Find("#w"), "behavior", L"range");
    BOOL handled = FALSE;
    HTMLayoutSendEvent(Find("#w"), EVENT_VALUE_CHANGED, Find("#w"), 0, &handled);
    HTMLayoutTestSetFocus(hwnd_, Find("#start"));
    HTMLayoutTestSetFocus(hwnd_, nullptr);
    HTMLayoutTestKeyUp(hwnd_, nullptr, VK_ESCAPE, 0);  // nothing focused: the body takes it
    Click("#o1");
    EXPECT_EQ((std::vector<std::string> { "dateRangeUpdated()", "dateRangeUpdated()", "closeDialog()" }), HostCalls());
    EXPECT_EQ((std::vector<std::string> { "w.dateRangeUpdated/0", "w.OnOptionClicked/1" }), methodCalls_);
}

TEST_F(Scripts, DisablingTheFocusedElementOrItsContainerLeavesTheKeysWithThePage)
{
    Click("#go");
    ASSERT_TRUE(State(Find("#go")) & STATE_FOCUS);
    events_.clear();
    HTMLayoutSetElementState(Find("#go"), STATE_DISABLED, 0, TRUE);  // a button that disables itself
    HTMLayoutTestKeyUp(hwnd_, nullptr, VK_ESCAPE, 0);
    EXPECT_TRUE(State(Find("#start")) & STATE_FOCUS);
    HTMLayoutSetAttributeByName(Find("#w"), "disabled", L"disabled");
    HTMLayoutTestKeyUp(hwnd_, nullptr, VK_ESCAPE, 0);
    EXPECT_TRUE(State(Find("#hide")) & STATE_FOCUS);
    EXPECT_EQ((std::vector<std::string> { "closeDialog()", "closeDialog()" }), HostCalls());
}

TEST_F(Scripts, LoopsStatesClassesAndStyles)
{
    Click("#hide");
    EXPECT_EQ(2u, FindAll("#rows tr:collapsed").size());
    EXPECT_EQ(0u, FindAll("#rows tr:expanded").size());
    EXPECT_EQ(std::vector<std::string> { "Updated()" }, HostCalls());
    Click("#hide");
    EXPECT_EQ(2u, FindAll("#rows tr:expanded").size());

    HTMLayoutTestChooseOption(Find("#kind"), 0, nullptr);
    EXPECT_EQ(L"iconA", Attribute(Find("#icon"), "class"));
    const wchar_t* display = nullptr;
    HTMLayoutGetStyleAttribute(Find("#icon"), "display", &display);
    EXPECT_STREQ(L"block", display);
}

TEST_F(Scripts, ALoopSkipsElementsItsHostCallsDeleted)
{
    windowHandler_ = [this](HELEMENT, UINT group, void* params) {
        if (group == GROUP_METHOD_CALL && static_cast<METHOD_PARAMS*>(params)->methodID == METHOD_SCRIPT_CALL) {
            const std::string rows = "<tr><td>rebuilt</td></tr>";
            HTMLayoutSetElementHtml(Find("#rows"), reinterpret_cast<const BYTE*>(rows.data()), DWORD(rows.size()),
                                    SIH_REPLACE_CONTENT);
        }
        return false;
    };
    HTMLayoutSetStyleAttribute(Find("#go"), "on-click", L"for row in $$('#rows tr') { host Rebuild(row); }");
    Click("#go");
    EXPECT_EQ(std::vector<std::string> { "Rebuild(#(none))" }, HostCalls());
    EXPECT_EQ(L"rebuilt", Text(Find("#rows")));
}

TEST_F(Scripts, SortingRowsByKeysWithNewRowsFirst)
{
    Click("#h");
    EXPECT_EQ(L"Carl alice bob ", Names());
    EXPECT_EQ(L"asc", Attribute(Find("#h"), "sorted"));
    Click("#h");
    EXPECT_EQ(L"bob alice Carl ", Names());
    EXPECT_EQ(L"desc", Attribute(Find("#h"), "sorted"));
}

// A "first" key counts a match inside the row (a cell, a check box) as much as the row itself,
// and ":root" stays the row however deep the match lies.
TEST_F(Scripts, SortingRowsFirstByWhatTheyHold)
{
    const wchar_t* sort =
        L"sort($('#rows'), 'tr', self@dir, 'first :root > td > input#u2', 'span.employee :text lower');";
    HTMLayoutSetStyleAttribute(Find("#go"), "on-click", sort);
    HTMLayoutSetAttributeByName(Find("#go"), "dir", L"asc");
    Click("#go");
    EXPECT_EQ(L"Carl alice bob ", Names());
    HTMLayoutSetAttributeByName(Find("#go"), "dir", L"desc");
    Click("#go");
    EXPECT_EQ(L"bob alice Carl ", Names());
}

TEST_F(Scripts, ScriptsThatCannotBeReadAreLoggedAndDoNothing)
{
    Click("#broken");
    EXPECT_TRUE(HostCalls().empty());
    EXPECT_NE(std::wstring::npos, Errors().find(L"script not understood")) << Narrow(Errors());
}
