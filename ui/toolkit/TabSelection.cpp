#include "ui/toolkit/TabSelection.h"

namespace htmlayout {

namespace {

dom::element panel_of(const dom::element& tabs, const dom::element& tab)
{
    const wchar_t* name = tab.get_attribute("panel");
    return name ? tabs.find_first_w(L":root>[name=\"%ls\"]", name) : dom::element();
}

// Both bits in one call, so no state ever shows a panel both expanded and collapsed.
void show_as_current(dom::element& tab, dom::element& panel)
{
    panel.set_attribute("selected", L"");
    panel.set_state(STATE_EXPANDED, STATE_COLLAPSED);
    tab.set_attribute("selected", L"");
    tab.set_state(STATE_CURRENT, 0);
}

void hide_as_former(dom::element& tab, dom::element& panel)
{
    panel.set_attribute("selected", nullptr);
    panel.set_state(STATE_COLLAPSED, STATE_EXPANDED);
    tab.set_attribute("selected", nullptr);
    tab.set_state(0, STATE_CURRENT);
}

}  // namespace

bool select_tab(const dom::element& tabs, const dom::element& tab)
{
    if (!tab.is_valid())
        return false;
    if (tab.get_state() & STATE_CURRENT)
        return true;
    dom::element old_panel = tabs.find_first(":root>[name]:expanded");
    dom::element old_tab = tabs.find_first(":root>.strip>[panel]:current");
    dom::element new_panel = panel_of(tabs, tab);
    if (!new_panel.is_valid())
        return true;
    dom::element new_tab = tab;
    // A focus in the panel that hides goes to the strip, its nearest focusable ancestor (the engine).
    hide_as_former(old_tab, old_panel);
    show_as_current(new_tab, new_panel);
    if (old_tab.is_valid())
        old_tab.post_event(EVENT_ELEMENT_COLLAPSED, 0, old_tab);
    new_tab.post_event(EVENT_ELEMENT_EXPANDED, 0, new_tab);
    return true;
}

bool select_tab_by_panel(const dom::element& tabs, const wchar_t* panel_name)
{
    if (!panel_name)
        return false;
    dom::element tab = tabs.find_first_w(L":root>.strip>[panel=\"%ls\"]", panel_name);
    return tab.is_valid() && select_tab(tabs, tab);
}

}  // namespace htmlayout
