#pragma once
// "daterange": the main window's date-range box. It adds a drop-down menu of predefined ranges
// to the widget, fills the two date inputs when a range is picked, records the range type in
// the widget's "rangeType" attribute and sends "value changed" from the widget. All its state
// lives in the element tree. The widget opens its menu on a click and, while it holds the
// focus, on Enter, Space, Down, Alt+Down and F4; the engine's list takes the keys while it is open.
#include "core/DateTime.h"
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/Element.h"

namespace htmlayout {

class daterange : public behavior {
public:
    daterange();

    void attached(HELEMENT he) override;
    bool on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT pos, UINT buttons, UINT keyboard_state) override;
    bool on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state) override;
    bool on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR reason) override;
    bool on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value& retval) override;

    static void fill_menu(dom::element& popup);
    // False, changing nothing, for a null option or one without a menu id.
    static bool apply_range(dom::element& widget, const dom::element& option);
    // -1 for a null option, 0 when it has no numeric "menuItemId".
    static int get_menu_item_id(const dom::element& option);

    static dom::element get_popup(const dom::element& widget);
    static dom::element get_start_input(const dom::element& widget);
    static dom::element get_end_input(const dom::element& widget);
    static Quorvane::DateTime read_start(const dom::element& widget);
    static Quorvane::DateTime read_end(const dom::element& widget);
    static void write_start(const dom::element& widget, const Quorvane::DateTime& date);
    static void write_end(const dom::element& widget, const Quorvane::DateTime& date);
};

}  // namespace htmlayout
