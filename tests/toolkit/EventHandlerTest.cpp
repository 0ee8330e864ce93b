// The dispatcher, fed with hand-made parameter blocks: no engine needed.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ConnectorLogReader.h"
#include "ui/toolkit/EventHandler.h"

using htmlayout::event_handler;

namespace {

HELEMENT const kElement = reinterpret_cast<HELEMENT>(0x1000);
HELEMENT const kTarget = reinterpret_cast<HELEMENT>(0x2000);

// Records each call as text and answers true, except where a test says otherwise.
class CountingHandler : public event_handler {
public:
    CountingHandler() : event_handler(GROUP_ALL) {}

    void attached(HELEMENT) override { calls.push_back("attached"); }
    void detached(HELEMENT) override { calls.push_back("detached"); }
    bool on_mouse(HELEMENT he, HELEMENT target, UINT type, POINT pos, UINT buttons, UINT keys) override
    {
        return record("mouse " + Fields({ type, UINT(pos.x), UINT(pos.y), buttons, keys }), he, target);
    }
    bool on_key(HELEMENT he, HELEMENT target, UINT type, UINT code, UINT keys) override
    {
        return record("key " + Fields({ type, code, keys }), he, target);
    }
    bool on_focus(HELEMENT he, HELEMENT target, UINT type) override
    {
        return record("focus " + Fields({ type }), he, target);
    }
    bool on_timer(HELEMENT he, UINT_PTR id) override { return record("timer " + Fields({ UINT(id) }), he, kTarget); }
    bool on_timer(HELEMENT he) override { return record("timer", he, kTarget); }
    void on_size(HELEMENT) override { calls.push_back("size"); }
    bool on_method_call(HELEMENT he, UINT id, METHOD_PARAMS*) override
    {
        return record("method " + Fields({ id }), he, kTarget);
    }
    bool on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value& retval) override
    {
        retval = json::value(42);
        return record(std::string("script ") + name + " " + Fields({ argc, UINT(argv[0].get_int(-1)) }), he, kTarget);
    }
    bool on_event(HELEMENT he, HELEMENT target, UINT code, UINT_PTR reason) override
    {
        return record("event " + Fields({ code, UINT(reason) }), he, target);
    }
    bool on_scroll(HELEMENT he, HELEMENT target, UINT command, INT pos, bool vertical) override
    {
        return record("scroll " + Fields({ command, UINT(pos), vertical }), he, target);
    }

    std::vector<std::string> calls;

private:
    static std::string Fields(std::initializer_list<UINT> fields)
    {
        std::string text;
        for (UINT field : fields)
            text += (text.empty() ? "" : ",") + std::to_string(field);
        return text;
    }
    // Every call must see the attached element and the block's target.
    bool record(const std::string& call, HELEMENT he, HELEMENT target)
    {
        calls.push_back(call + (he == kElement && target == kTarget ? "" : " (wrong elements)"));
        return true;
    }
};

class ThrowingHandler : public event_handler {
public:
    ThrowingHandler() : event_handler(GROUP_ALL) {}
    bool on_key(HELEMENT, HELEMENT, UINT, UINT, UINT) override { throw std::runtime_error("key handler failed"); }
    bool on_focus(HELEMENT, HELEMENT, UINT) override { throw 1; }
};

MOUSE_PARAMS MouseBlock(UINT type, HELEMENT target, POINT pos, UINT buttons, UINT keyboard_state)
{
    MOUSE_PARAMS block = {};
    block.cmd = type;
    block.target = target;
    block.pos = pos;
    block.button_state = buttons;
    block.alt_state = keyboard_state;
    return block;
}

BOOL Dispatch(event_handler* handler, UINT group, void* block)
{
    return event_handler::element_proc(handler, kElement, group, block);
}

TEST(EventHandlerDispatch, EachGroupReachesItsOperationWithTheBlocksFields)
{
    CountingHandler handler;
    INITIALIZATION_PARAMS attach = { 1 }, detach = { 0 };
    MOUSE_PARAMS mouse = MouseBlock(MOUSE_DOWN | EVENT_SINKING, kTarget, { 3, 4 }, 1, KEYBOARD_SHIFT);
    KEY_PARAMS key = { KEY_DOWN, kTarget, VK_RETURN, KEYBOARD_CONTROL };
    FOCUS_PARAMS focus = { FOCUS_LOST, kTarget, FALSE, FALSE };
    TIMER_PARAMS timer0 = { 0 }, timer7 = { 7 };
    SCROLL_PARAMS scroll = { 2, kTarget, 17, TRUE };
    BEHAVIOR_EVENT_PARAMS event = { 0x82, kTarget, kTarget, 5 };
    METHOD_PARAMS method = { 0 };

    EXPECT_TRUE(Dispatch(&handler, GROUP_INITIALIZATION, &attach));
    EXPECT_TRUE(Dispatch(&handler, GROUP_MOUSE, &mouse));
    EXPECT_TRUE(Dispatch(&handler, GROUP_KEY, &key));
    EXPECT_TRUE(Dispatch(&handler, GROUP_FOCUS, &focus));
    EXPECT_TRUE(Dispatch(&handler, GROUP_TIMER, &timer0));
    EXPECT_TRUE(Dispatch(&handler, GROUP_TIMER, &timer7));
    EXPECT_TRUE(Dispatch(&handler, GROUP_SCROLL, &scroll));
    EXPECT_TRUE(Dispatch(&handler, GROUP_BEHAVIOR_EVENT, &event));
    EXPECT_TRUE(Dispatch(&handler, GROUP_METHOD_CALL, &method));
    EXPECT_FALSE(Dispatch(&handler, GROUP_SIZE, nullptr));
    EXPECT_TRUE(Dispatch(&handler, GROUP_INITIALIZATION, &detach));

    std::vector<std::string> expected = { "attached", "mouse 32772,3,4,1,2", "key 0,13,1",  "focus 0",  "timer",
                                          "timer 7",  "scroll 2,17,1",       "event 130,5", "method 0", "size",
                                          "detached" };
    EXPECT_EQ(expected, handler.calls);
}

TEST(EventHandlerDispatch, AScriptCallGetsItsNameArgumentsAndResult)
{
    CountingHandler handler;
    json::value argument(9);
    XCALL_PARAMS call = { METHOD_SCRIPT_CALL, "dateRangeUpdated", 1, &argument.native(), {} };
    ValueInit(&call.retval);
    EXPECT_TRUE(Dispatch(&handler, GROUP_METHOD_CALL, &call));
    EXPECT_EQ(std::vector<std::string> { "script dateRangeUpdated 1,9" }, handler.calls);
    int result = 0;
    EXPECT_EQ(VALUE_OK, ValueIntData(&call.retval, &result));
    EXPECT_EQ(42, result);
    ValueClear(&call.retval);
}

TEST(EventHandlerDispatch, AHandlerThatOverridesNothingAnswersFalseExceptToInitialisation)
{
    event_handler plain(GROUP_ALL);
    INITIALIZATION_PARAMS attach = { 1 };
    MOUSE_PARAMS mouse = {};
    KEY_PARAMS key = {};
    BEHAVIOR_EVENT_PARAMS event = {};
    METHOD_PARAMS method = { METHOD_CLICK };
    TIMER_PARAMS timer = { 3 };
    EXPECT_TRUE(Dispatch(&plain, GROUP_INITIALIZATION, &attach));
    EXPECT_FALSE(Dispatch(&plain, GROUP_MOUSE, &mouse));
    EXPECT_FALSE(Dispatch(&plain, GROUP_KEY, &key));
    EXPECT_FALSE(Dispatch(&plain, GROUP_BEHAVIOR_EVENT, &event));
    EXPECT_FALSE(Dispatch(&plain, GROUP_METHOD_CALL, &method));
    EXPECT_FALSE(Dispatch(&plain, GROUP_TIMER, &timer));
    EXPECT_FALSE(Dispatch(&plain, GROUP_GESTURE, &event));
    EXPECT_FALSE(Dispatch(&plain, GROUP_MOUSE | GROUP_KEY, &mouse));
    EXPECT_FALSE(Dispatch(nullptr, GROUP_MOUSE, &mouse));
    EXPECT_EQ(plain.create_instance(kElement), &plain);
}

TEST(EventHandlerDispatch, AFailingHandlerIsLoggedAndAnsweredAsHandled)
{
    ThrowingHandler handler;
    KEY_PARAMS key = { KEY_DOWN, kTarget, VK_ESCAPE, 0 };
    FOCUS_PARAMS focus = { FOCUS_GOT, kTarget, FALSE, FALSE };
    EXPECT_TRUE(Dispatch(&handler, GROUP_KEY, &key));
    EXPECT_TRUE(Dispatch(&handler, GROUP_FOCUS, &focus));
    std::string log = ReadConnectorLog();
    EXPECT_NE(std::string::npos, log.find("element event procedure: key handler failed")) << log;
    EXPECT_NE(std::string::npos, log.find("element event procedure: error code 1")) << log;
}

}  // namespace
