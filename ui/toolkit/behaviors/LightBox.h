#pragma once
// "light-box-dialog": shows an element as a modal panel inside its window, over a shim that
// takes the input. Each element gets an instance of its own; "show" and "hide" are script calls.
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/Element.h"

namespace htmlayout {

class lb_dialog : public behavior {
public:
    lb_dialog();
    event_handler* create_instance(HELEMENT he) override;
};

class lb_dialog_instance : public event_handler {
public:
    lb_dialog_instance();

    void attached(HELEMENT he) override;
    void detached(HELEMENT he) override;  // deletes the instance
    bool on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state) override;
    bool on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR reason) override;
    bool on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value& retval) override;

    void show(dom::element& panel);
    void hide(dom::element& panel);

private:
    dom::element m_parent;  // where the panel sat before it was shown; null while hidden
    UINT m_index;
    UINT m_focus_uid;
};

}  // namespace htmlayout
