#pragma once
// htmlayout::event_handler: the base of the main view, the dialogs and every behaviour. The
// engine calls one static dispatcher, element_proc, for every window or element it is attached
// to; the dispatcher unpacks the engine's parameter block into the virtual operations below.
// Every operation answers true when it handled the event (the engine then stops it). Nothing a
// handler throws reaches the engine: element_proc logs it and answers "handled".
#include <windows.h>

#include "htmlengine/api/EngineDocument.h"
#include "json/JsonValue.h"

namespace htmlayout {

class event_handler {
public:
    // subscription: ENGINE_EVENT_GROUP bits; initialisation is always delivered.
    explicit event_handler(UINT subscription) : subscription(subscription) {}
    virtual ~event_handler() {}

    virtual void detached(HELEMENT /*he*/) {}
    virtual void attached(HELEMENT /*he*/) {}
    // One object serves every element by default; a behaviour with state per element makes one.
    virtual event_handler* create_instance(HELEMENT /*he*/) { return this; }

    // Unpack a block and call the on_ operation with its fields.
    virtual bool handle_mouse(HELEMENT he, MOUSE_PARAMS& params);
    virtual bool handle_key(HELEMENT he, KEY_PARAMS& params);
    virtual bool handle_focus(HELEMENT he, FOCUS_PARAMS& params);
    virtual bool handle_timer(HELEMENT he, TIMER_PARAMS& params);
    virtual void handle_size(HELEMENT he);
    virtual bool handle_scroll(HELEMENT he, SCROLL_PARAMS& params);
    virtual bool handle_draw(HELEMENT he, DRAW_PARAMS& params);
    virtual bool handle_method_call(HELEMENT he, METHOD_PARAMS& params);
    virtual bool handle_scripting_call(HELEMENT he, XCALL_PARAMS& params);
    virtual bool handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params);
    virtual bool handle_data_arrived(HELEMENT he, DATA_ARRIVED_PARAMS& params);
    virtual bool handle_gesture(HELEMENT /*he*/, void* /*params*/) { return false; }
    virtual bool handle_exchange(HELEMENT /*he*/, void* /*params*/) { return false; }

    // event_type: ENGINE_MOUSE_EVENT, with EVENT_SINKING in the sinking phase;
    // buttons: 1 main button; keyboard_state: ENGINE_KEYBOARD_STATE.
    virtual bool on_mouse(HELEMENT /*he*/, HELEMENT /*target*/, UINT /*event_type*/, POINT /*pos*/, UINT /*buttons*/,
                          UINT /*keyboard_state*/)
    {
        return false;
    }
    // event_type: ENGINE_KEY_EVENT; key_code: a virtual key (the character for KEY_CHAR).
    virtual bool on_key(HELEMENT /*he*/, HELEMENT /*target*/, UINT /*event_type*/, UINT /*key_code*/,
                        UINT /*keyboard_state*/)
    {
        return false;
    }
    // event_type: ENGINE_FOCUS_EVENT.
    virtual bool on_focus(HELEMENT /*he*/, HELEMENT /*target*/, UINT /*event_type*/) { return false; }
    // Timer id 0 comes to the one-argument form, any other id to the two-argument one.
    virtual bool on_timer(HELEMENT /*he*/, UINT_PTR /*timer_id*/) { return false; }
    virtual bool on_timer(HELEMENT /*he*/) { return false; }
    virtual bool on_draw(HELEMENT /*he*/, UINT /*layer*/, HDC /*hdc*/, const RECT& /*area*/) { return false; }
    virtual void on_size(HELEMENT /*he*/) {}
    virtual bool on_method_call(HELEMENT /*he*/, UINT /*method_id*/, METHOD_PARAMS* /*params*/) { return false; }
    // A script call by name from the page; argv has argc values, retval is the call's result.
    virtual bool on_script_call(HELEMENT /*he*/, const char* /*name*/, UINT /*argc*/, json::value* /*argv*/,
                                json::value& /*retval*/)
    {
        return false;
    }
    // event_code: ENGINE_BEHAVIOR_EVENT, with EVENT_SINKING in the sinking phase.
    virtual bool on_event(HELEMENT /*he*/, HELEMENT /*target*/, UINT /*event_code*/, UINT_PTR /*reason*/)
    {
        return false;
    }
    virtual bool on_data_arrived(HELEMENT /*he*/, HELEMENT /*initiator*/, const BYTE* /*data*/, UINT /*size*/,
                                 UINT /*data_type*/)
    {
        return false;
    }
    virtual bool on_scroll(HELEMENT /*he*/, HELEMENT /*target*/, UINT /*command*/, INT /*pos*/, bool /*vertical*/)
    {
        return false;
    }

    // The engine's callback for every attachment; the tag is the event_handler.
    static BOOL CALLBACK element_proc(LPVOID tag, HELEMENT he, UINT group, LPVOID params);

    UINT subscription;
};

// Attaches the handler to the whole window (every element's events, then the window's).
void attach_event_handler(HWND hwnd, event_handler* handler, UINT subscription);
void detach_event_handler(HWND hwnd, event_handler* handler);

}  // namespace htmlayout
