#include "ui/toolkit/behaviors/Tabs.h"

#include "ui/toolkit/TabSelection.h"
#include "json/TextHelpers.h"

namespace htmlayout {

namespace {

const int kFirst = -2;
const int kPrevious = -1;
const int kNext = 1;
const int kLast = 2;

// The direction a key moves in; 0 for keys that do not move. Only Ctrl+Tab works wherever
// the focus is.
int direction_of_key(UINT key_code, UINT keyboard_state, bool tab_focused)
{
    if (key_code == VK_TAB && (keyboard_state & KEYBOARD_CONTROL))
        return keyboard_state & KEYBOARD_SHIFT ? kPrevious : kNext;
    if (!tab_focused)
        return 0;
    switch (key_code) {
    case VK_END: return kLast;
    case VK_HOME: return kFirst;
    case VK_LEFT: return kPrevious;
    case VK_RIGHT: return kNext;
    default: return 0;
    }
}

dom::element sibling(const dom::element& he, int step)
{
    int index = static_cast<int>(he.index()) + step;
    dom::element parent = he.parent();
    if (index < 0 || index >= static_cast<int>(parent.children_count()))
        return dom::element();
    return parent.child(static_cast<UINT>(index));
}

// The first candidate for a direction, and the step to the next one past a disabled tab.
dom::element first_candidate(const dom::element& current, int direction, int& step)
{
    dom::element strip = current.parent();
    switch (direction) {
    case kFirst: step = 1; return strip.child(0);
    case kLast: step = -1; return strip.child(strip.children_count() - 1);
    default: step = direction; return sibling(current, direction);
    }
}

}  // namespace

tabs::tabs() : behavior(GROUP_MOUSE | GROUP_KEY | GROUP_FOCUS | GROUP_BEHAVIOR_EVENT | GROUP_METHOD_CALL, "tabs") {}

void tabs::attached(HELEMENT he)
{
    dom::element container(he);
    dom::element tab = container.find_first(":root>.strip>[panel][selected]");
    const wchar_t* name = tab.get_attribute("panel");
    dom::element panel = name ? container.find_first_w(L":root>[name=\"%ls\"]", name) : dom::element();
    if (!panel.is_valid())
        return;
    tab.parent().set_state(STATE_CURRENT, 0);
    tab.set_state(STATE_CURRENT, 0);
    panel.set_state(STATE_EXPANDED, STATE_COLLAPSED);
}

bool tabs::on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT, UINT, UINT)
{
    if (event_type != MOUSE_DOWN && event_type != MOUSE_DCLICK)
        return false;
    dom::element tab = find_tab(he, target);
    return tab.is_valid() && select_tab(he, tab);
}

bool tabs::on_key(HELEMENT he, HELEMENT, UINT event_type, UINT key_code, UINT keyboard_state)
{
    if (event_type != KEY_DOWN)
        return false;
    dom::element container(he);
    dom::element current = container.find_first(":root>.strip>[panel]:current");
    int direction = direction_of_key(key_code, keyboard_state, is_focused(current));
    return direction != 0 && navigate(container, current, direction);
}

bool tabs::on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR)
{
    if (event_code != EVENT_ACTIVATE_CHILD)
        return false;
    dom::element tab = find_tab(he, target);
    if (tab.is_valid())
        select_tab(he, tab);
    return true;
}

bool tabs::on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value&)
{
    if (!streq(name, "select") || argc != 1)
        return false;
    select_tab_by_panel(he, argv[0].get_string(L"").c_str());
    return true;
}

bool tabs::navigate(const dom::element& tabs_element, const dom::element& current, int direction)
{
    if (!current.is_valid())
        return false;
    int step = 0;
    dom::element candidate = first_candidate(current, direction, step);
    while (candidate.is_valid() && (candidate.get_state() & STATE_DISABLED))
        candidate = sibling(candidate, step);
    if (!candidate.is_valid() || !candidate.get_attribute("panel"))
        return false;
    return select_tab(tabs_element, candidate);
}

dom::element tabs::find_tab(const dom::element& tabs_element, const dom::element& he)
{
    for (dom::element up = he; up.is_valid() && up != tabs_element; up = up.parent())
        if (up.get_attribute("panel"))
            return up;
    return dom::element();
}

bool tabs::is_focused(const dom::element& he)
{
    for (dom::element up = he; up.is_valid(); up = up.parent())
        if (up.get_state() & STATE_FOCUS)
            return true;
    return false;
}

// The one object that serves every tab container.
static tabs g_tabs;

}  // namespace htmlayout
