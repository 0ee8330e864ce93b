#include "EngineFixture.h"

#include <functional>
#include <stdexcept>

namespace {

class Events : public EngineTest {
protected:
    // A behaviour that writes "<name> <group>:<command>[s]" for what it sees ("s" = sinking).
    void Recording(const std::string& name, UINT subscription)
    {
        behaviors_[name] = { [this, name](HELEMENT, UINT group, void* params) {
                                UINT command = group == GROUP_METHOD_CALL
                                                   ? static_cast<METHOD_PARAMS*>(params)->methodID
                                                   : *static_cast<UINT*>(params);
                                char line[64];
                                snprintf(line, sizeof line, "%s %X:%X%s", name.c_str(), group, command & 0x7FFF,
                                         command & EVENT_SINKING ? "s" : "");
                                seen_.push_back(line);
                                return false;
                            },
                             subscription };
    }

    std::vector<std::string> seen_;
};

}  // namespace

TEST_F(Events, LoadNotifiesIncludesSheetsImagesBehavioursThenComplete)
{
    resources_[L"piece.html"] = "<p id=inc style='behavior:first second'>included</p>";
    resources_[L"res:site.css"] = "@import 'more.css'; p { color: red }";
    resources_[L"more.css"] = "img { behavior: third }";
    Recording("first", GROUP_ALL);
    Load("<html><head><link rel=stylesheet href='res:site.css'></head><body>"
         "<include src='piece.html'></include><img src='IDR_CHECK.png'></body></html>");
    std::vector<std::string> expected = { "B01 res:site.css", "B01 more.css",      "B01 piece.html", "B07 first",
                                          "B07 second",       "B01 IDR_CHECK.png", "B07 third",      "B04" };
    EXPECT_EQ(expected, notifications_);
    EXPECT_EQ(L"included", Text(Find("#inc")));
    EXPECT_EQ(std::vector<std::string> { "first 0:1" }, seen_);  // attached: init command 1
    EXPECT_NE(std::wstring::npos, Errors().find(L"IDR_CHECK.png"));  // no such resource: logged, not fatal
}

TEST_F(Events, BehavioursGetOnlyTheirGroupsInBothPhases)
{
    Recording("outer", GROUP_BEHAVIOR_EVENT);
    Recording("inner", GROUP_MOUSE | GROUP_BEHAVIOR_EVENT);
    Load("<div id=o style='behavior:outer'><button id=b style='behavior:inner'>go</button></div>");
    seen_.clear();
    HTMLayoutTestClick(Find("#b"), 0);
    std::vector<std::string> expected = { "inner 1:4s", "inner 1:4",    "inner 1:3s",   "inner 1:3",   "inner 1:FFs",
                                          "inner 1:FF", "outer 100:0s", "inner 100:0s", "inner 100:0", "outer 100:0" };
    EXPECT_EQ(expected, seen_);
    EXPECT_EQ(std::vector<std::string> { "event 0x0 from b" }, events_);
}

TEST_F(Events, TrueStopsAnEventAndTheWindowSinksFirst)
{
    Load("<div id=o><button id=b>go</button></div>");
    windowHandler_ = [](HELEMENT, UINT group, void* params) {
        return group == GROUP_BEHAVIOR_EVENT && static_cast<BEHAVIOR_EVENT_PARAMS*>(params)->cmd == (0 | EVENT_SINKING);
    };
    behaviors_["late"] = { [this](HELEMENT, UINT, void*) {
                              seen_.push_back("late");
                              return false;
                          },
                           GROUP_BEHAVIOR_EVENT };
    HTMLayoutSetStyleAttribute(Find("#o"), "behavior", L"late");
    seen_.clear();
    HTMLayoutTestClick(Find("#b"), 0);
    EXPECT_TRUE(seen_.empty());
    EXPECT_TRUE(events_.empty());
}

TEST_F(Events, SentPostedAndMethodCalls)
{
    Recording("w", GROUP_BEHAVIOR_EVENT | GROUP_METHOD_CALL);
    Load("<widget id=w style='behavior:w'><span id=s>x</span><button id=b disabled>b</button><a id=l "
         "href=x>l</a></widget>");
    seen_.clear();
    BOOL handled = TRUE;
    HTMLayoutSendEvent(Find("#s"), 4, Find("#w"), 0, &handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ((std::vector<std::string> { "w 100:4s", "w 100:4" }), seen_);
    EXPECT_EQ(std::vector<std::string> { "event 0x4 from w" }, events_);

    seen_.clear();
    events_.clear();
    HTMLayoutPostEvent(Find("#w"), 0x82, Find("#s"), 3);
    EXPECT_TRUE(events_.empty());
    HTMLayoutTestFlushPostedEvents(hwnd_);
    EXPECT_EQ(std::vector<std::string> { "event 0x82 from s" }, events_);

    windowHandler_ = [this](HELEMENT, UINT group, void* params) {
        if (group == GROUP_BEHAVIOR_EVENT && static_cast<BEHAVIOR_EVENT_PARAMS*>(params)->cmd == 0x82)
            HTMLayoutPostEvent(Find("#w"), 0x82, Find("#s"), 3);  // posts itself again, for ever
        return false;
    };
    events_.clear();
    HTMLayoutPostEvent(Find("#w"), 0x82, Find("#s"), 3);
    HTMLayoutTestFlushPostedEvents(hwnd_);
    EXPECT_EQ(1u, events_.size());  // one round per flush
    HTMLayoutTestFlushPostedEvents(hwnd_);
    EXPECT_EQ(2u, events_.size());
    windowHandler_ = nullptr;

    seen_.clear();
    METHOD_PARAMS zero = { 0 };
    EXPECT_EQ(ENGINE_NOT_HANDLED, HTMLayoutCallBehaviorMethod(Find("#w"), &zero));
    EXPECT_EQ(std::vector<std::string> { "w 200:0" }, seen_);
    METHOD_PARAMS click = { METHOD_CLICK };
    EXPECT_EQ(ENGINE_NOT_HANDLED, HTMLayoutCallBehaviorMethod(Find("#b"), &click));  // disabled
    EXPECT_EQ(ENGINE_NOT_HANDLED, HTMLayoutCallBehaviorMethod(Find("#s"), &click));  // not clickable
    events_.clear();
    EXPECT_EQ(ENGINE_OK, HTMLayoutCallBehaviorMethod(Find("#l"), &click));
    EXPECT_EQ(std::vector<std::string> { "event 0x80 from l" }, events_);
}

TEST_F(Events, DisabledAndOutsideTheEventRootTakeNoInput)
{
    Load("<div id=box><button id=in>in</button></div><button id=out>out</button>"
         "<div disabled><button id=deep>d</button></div>");
    HTMLayoutTestClick(Find("#deep"), 0);
    EXPECT_TRUE(events_.empty());
    HELEMENT previous = nullptr;
    HTMLayoutSetEventRoot(Find("#box"), &previous);
    EXPECT_EQ(Root(), previous);
    HTMLayoutTestClick(Find("#out"), 0);
    HTMLayoutTestClick(Find("#in"), 0);
    EXPECT_EQ(std::vector<std::string> { "event 0x0 from in" }, events_);
    HTMLayoutSetEventRoot(Root(), &previous);
    HTMLayoutTestClick(Find("#out"), 0);
    EXPECT_EQ(2u, events_.size());
}

TEST_F(Events, ProgramExceptionsStopAtTheEngine)
{
    behaviors_["thrower"] = { [](HELEMENT, UINT group, void*) -> bool {
                                 if (group)
                                     throw std::runtime_error("program fault");
                                 return false;
                             },
                              GROUP_ALL };
    Load("<button id=b style='behavior:thrower'>b</button>");
    EXPECT_EQ(ENGINE_OK, HTMLayoutTestClick(Find("#b"), 0));
    EXPECT_EQ(std::vector<std::string> { "event 0x0 from b" }, events_);
}

TEST_F(Events, DeletingDetachesBehavioursAndNothingReachesADestroyedWindow)
{
    Recording("r", GROUP_ALL);
    Load("<div id=d><span style='behavior:r'>x</span></div>");
    HTMLayoutDeleteElement(Find("#d"));
    EXPECT_EQ((std::vector<std::string> { "r 0:1", "r 0:0" }), seen_);

    notifications_.clear();
    SendMessageW(hwnd_, WM_DESTROY, 0, 0);  // what DestroyWindow sends first
    resources_[L"late.css"] = "";
    HTMLayoutSetElementHtml(Root(), reinterpret_cast<const BYTE*>("<img src=late.png>"), 18, SIH_APPEND_AFTER_LAST);
    EXPECT_TRUE(notifications_.empty());
}

TEST_F(Events, BehavioursMayDeleteOtherElementsWhileAttachingOrDetaching)
{
    auto onInit = [](UINT command, std::function<void()> action) {
        return [command, action](HELEMENT, UINT group, void* params) {
            if (group == GROUP_INITIALIZATION && static_cast<INITIALIZATION_PARAMS*>(params)->cmd == command)
                action();
            return false;
        };
    };
    Recording("r", GROUP_ALL);
    Load("<div id=d></div>");
    HELEMENT div = Find("#d");
    const std::string replacement = "<i>new</i>";
    behaviors_["clear"] = { onInit(1, [&] {
        HTMLayoutSetElementHtml(div, reinterpret_cast<const BYTE*>(replacement.data()), DWORD(replacement.size()),
                                SIH_REPLACE_CONTENT);
    }) };
    const std::string added = "<b style='behavior:clear'>a</b> text <b style='behavior:r'>b</b>";
    EXPECT_EQ(ENGINE_OK, HTMLayoutSetElementHtml(div, reinterpret_cast<const BYTE*>(added.data()), DWORD(added.size()),
                                                 SIH_APPEND_AFTER_LAST));
    EXPECT_EQ(L"new", Text(div));
    EXPECT_TRUE(seen_.empty());  // the second b went before its turn came

    behaviors_["drop"] = { onInit(0, [this] { HTMLayoutDeleteElement(Find("#victim")); }) };
    Load("<div id=d><b style='behavior:drop'>a</b><b id=victim style='behavior:r'>b</b></div>");
    EXPECT_EQ(ENGINE_OK, HTMLayoutDeleteElement(Find("#d")));
    EXPECT_EQ((std::vector<std::string> { "r 0:1", "r 0:0" }), seen_);  // told once that it is detached
}

TEST_F(Events, WindowProcedureLeavesTheWindowItsOwnMessages)
{
    for (UINT message : { UINT(WM_CREATE), UINT(WM_INITDIALOG), UINT(WM_SHOWWINDOW), UINT(WM_GETMINMAXINFO),
                          UINT(WM_CLOSE), UINT(WM_COMMAND), UINT(WM_USER), 0x401u, 0x10000000u }) {
        BOOL handled = TRUE;
        HTMLayoutProcND(hwnd_, message, 0, 0, &handled);
        EXPECT_FALSE(handled) << message;
    }
    BOOL handled = TRUE;
    HTMLayoutProcND(hwnd_, WM_TIMER, 1, 0, &handled);
    EXPECT_FALSE(handled);
    HTMLayoutProcND(hwnd_, WM_PAINT, 0, 0, &handled);
    EXPECT_TRUE(handled);
}

TEST_F(Events, KeysFromTheWindowReachTheFocusedElement)
{
    Load("<input id=i>");
    HTMLayoutSetElementState(Find("#i"), STATE_FOCUS, 0, TRUE);
    SendMessageW(hwnd_, WM_CHAR, L'x', 0);
    SendMessageW(hwnd_, WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(hwnd_, WM_CHAR, L'y', 0);
    EXPECT_EQ(L"\"yx\"", Value(Find("#i")));
}

TEST_F(Events, HandlersMayReplaceThePageOrDestroyTheWindowMidEvent)
{
    Load("<div id=o><button id=b>go</button></div>");
    windowHandler_ = [this](HELEMENT, UINT group, void*) {
        if (group == GROUP_MOUSE)
            Load("<p id=next>next</p>");
        return false;
    };
    EXPECT_EQ(ENGINE_OK, HTMLayoutTestClick(Find("#b"), 0));
    EXPECT_NE(nullptr, Find("#next"));

    windowHandler_ = [this](HELEMENT, UINT group, void*) {
        if (group == GROUP_MOUSE && hwnd_)
            DestroyWindow(hwnd_), hwnd_ = nullptr;
        return false;
    };
    Load("<button id=b>go</button>");
    HTMLayoutTestClick(Find("#b"), 0);
    EXPECT_EQ(nullptr, hwnd_);
}

TEST_F(Events, LinksReachTheWindowSinkingFirstAndNeverNavigate)
{
    std::vector<UINT> codes;
    windowHandler_ = [&codes](HELEMENT, UINT group, void* params) {
        if (group == GROUP_BEHAVIOR_EVENT)
            codes.push_back(static_cast<BEHAVIOR_EVENT_PARAMS*>(params)->cmd);
        return false;
    };
    Load("<p><a id=l href='http://example.com/'><b id=inner>site</b></a></p>");
    HTMLayoutTestClick(Find("#inner"), 0);
    EXPECT_EQ((std::vector<UINT> { 0x8080, 0x80 }), codes);
    EXPECT_NE(nullptr, Find("#l"));  // still the same page
}
