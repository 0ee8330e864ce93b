#pragma once
// Switching the tab of a "tabs" container by code, exactly as a click on the tab does: the
// old tab and panel lose "selected", the current state and the expanded state (the panel is
// collapsed), the new ones gain them, and "tab lost" (0x90) and "tab became current" (0x91)
// are posted. A focus inside the old panel goes to the container (the strip). The selectors take the container as
// ":root": tabs are the children of its
// ".strip" child that carry "panel", panels its children whose "name" equals that value.
#include "ui/toolkit/Element.h"

namespace htmlayout {

// True also when the tab's panel does not exist (then nothing changes) and when the tab is
// already current.
bool select_tab(const dom::element& tabs, const dom::element& tab);
// Selects the tab whose "panel" is panel_name; false when there is no such tab.
bool select_tab_by_panel(const dom::element& tabs, const wchar_t* panel_name);

}  // namespace htmlayout
