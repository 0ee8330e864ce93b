#pragma once
// "tabs": a container with a ".strip" of tabs (children carrying "panel") and panels (children
// whose "name" is a tab's "panel"). One tab is current and its panel expanded; mouse, keys,
// "activate child" (0x92) and the script call "select(name)" switch tabs.
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/Element.h"

namespace htmlayout {

class tabs : public behavior {
public:
    tabs();

    void attached(HELEMENT he) override;
    bool on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT pos, UINT buttons, UINT keyboard_state) override;
    bool on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state) override;
    bool on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR reason) override;
    bool on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value& retval) override;

    // direction: +1 next, -1 previous, -2 first, +2 last; disabled tabs are skipped.
    static bool navigate(const dom::element& tabs_element, const dom::element& current, int direction);
    // The nearest ancestor-or-self carrying "panel", not above the container.
    static dom::element find_tab(const dom::element& tabs_element, const dom::element& he);
    static bool is_focused(const dom::element& he);
};

}  // namespace htmlayout
