#include "ui/toolkit/EventHandler.h"

#include "ui/toolkit/Guarded.h"

namespace htmlayout {

// The engine's script-call arguments are VALUEs; json::value is exactly one VALUE.
static_assert(sizeof(json::value) == sizeof(VALUE), "json::value must wrap a VALUE and nothing else");

bool event_handler::handle_mouse(HELEMENT he, MOUSE_PARAMS& params)
{
    return on_mouse(he, params.target, params.cmd, params.pos, params.button_state, params.alt_state);
}

bool event_handler::handle_key(HELEMENT he, KEY_PARAMS& params)
{
    return on_key(he, params.target, params.cmd, params.key_code, params.alt_state);
}

bool event_handler::handle_focus(HELEMENT he, FOCUS_PARAMS& params)
{
    return on_focus(he, params.target, params.cmd);
}

bool event_handler::handle_timer(HELEMENT he, TIMER_PARAMS& params)
{
    return params.timerId ? on_timer(he, params.timerId) : on_timer(he);
}

void event_handler::handle_size(HELEMENT he)
{
    on_size(he);
}

bool event_handler::handle_scroll(HELEMENT he, SCROLL_PARAMS& params)
{
    return on_scroll(he, params.target, params.cmd, params.pos, params.vertical != FALSE);
}

bool event_handler::handle_draw(HELEMENT he, DRAW_PARAMS& params)
{
    return on_draw(he, params.cmd, params.hdc, params.area);
}

bool event_handler::handle_method_call(HELEMENT he, METHOD_PARAMS& params)
{
    return on_method_call(he, params.methodID, &params);
}

bool event_handler::handle_scripting_call(HELEMENT he, XCALL_PARAMS& params)
{
    auto* argv = reinterpret_cast<json::value*>(params.argv);
    auto& retval = reinterpret_cast<json::value&>(params.retval);
    return on_script_call(he, params.method_name, params.argc, argv, retval);
}

bool event_handler::handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params)
{
    return on_event(he, params.heTarget, params.cmd, params.reason);
}

bool event_handler::handle_data_arrived(HELEMENT he, DATA_ARRIVED_PARAMS& params)
{
    return on_data_arrived(he, params.initiator, params.data, params.dataSize, params.dataType);
}

namespace {

bool dispatch(event_handler& handler, HELEMENT he, UINT group, LPVOID params)
{
    if (!params && group != GROUP_SIZE)
        return false;
    switch (group) {
    case GROUP_INITIALIZATION:
        if (static_cast<INITIALIZATION_PARAMS*>(params)->cmd == 0)
            handler.detached(he);
        else if (static_cast<INITIALIZATION_PARAMS*>(params)->cmd == 1)
            handler.attached(he);
        return true;
    case GROUP_MOUSE: return handler.handle_mouse(he, *static_cast<MOUSE_PARAMS*>(params));
    case GROUP_KEY: return handler.handle_key(he, *static_cast<KEY_PARAMS*>(params));
    case GROUP_FOCUS: return handler.handle_focus(he, *static_cast<FOCUS_PARAMS*>(params));
    case GROUP_SCROLL: return handler.handle_scroll(he, *static_cast<SCROLL_PARAMS*>(params));
    case GROUP_TIMER: return handler.handle_timer(he, *static_cast<TIMER_PARAMS*>(params));
    case GROUP_SIZE: handler.handle_size(he); return false;
    case GROUP_DRAW: return handler.handle_draw(he, *static_cast<DRAW_PARAMS*>(params));
    case GROUP_DATA_ARRIVED: return handler.handle_data_arrived(he, *static_cast<DATA_ARRIVED_PARAMS*>(params));
    case GROUP_BEHAVIOR_EVENT: return handler.handle_event(he, *static_cast<BEHAVIOR_EVENT_PARAMS*>(params));
    case GROUP_METHOD_CALL:
        if (static_cast<METHOD_PARAMS*>(params)->methodID == METHOD_SCRIPT_CALL)
            return handler.handle_scripting_call(he, *static_cast<XCALL_PARAMS*>(params));
        return handler.handle_method_call(he, *static_cast<METHOD_PARAMS*>(params));
    case GROUP_EXCHANGE: return handler.handle_exchange(he, params);
    case GROUP_GESTURE: return handler.handle_gesture(he, params);
    default: return false;
    }
}

}  // namespace

// A failure inside a handler answers "handled", so the engine runs no default action as well.
BOOL CALLBACK event_handler::element_proc(LPVOID tag, HELEMENT he, UINT group, LPVOID params)
{
    auto* handler = static_cast<event_handler*>(tag);
    if (!handler)
        return FALSE;
    bool handled =
        detail::guarded(L"element event procedure", true, [&] { return dispatch(*handler, he, group, params); });
    return handled ? TRUE : FALSE;
}

void attach_event_handler(HWND hwnd, event_handler* handler, UINT subscription)
{
    HTMLayoutWindowAttachEventHandler(hwnd, &event_handler::element_proc, handler, subscription);
}

void detach_event_handler(HWND hwnd, event_handler* handler)
{
    HTMLayoutWindowDetachEventHandler(hwnd, &event_handler::element_proc, handler);
}

}  // namespace htmlayout
