// The window's own keys and focus: Escape answers the topmost panel as its Cancel or Close
// button would, the legend's explanations open by Enter, and a focused row comes back after a
// refresh replaced it.
#include <vector>

#include "ui/main/MainView.h"

using htmlayout::dom::element;

namespace {

bool Usable(const element& candidate)
{
    return candidate.is_valid() && candidate.is_visible() && !(candidate.get_state() & STATE_DISABLED);
}

void CollapseExplanations(const element& root)
{
    std::vector<element> popups;
    root.find_all(&popups, "popup.explain");
    for (element& popup : popups)
        popup.set_state(STATE_COLLAPSED, STATE_EXPANDED);
}

}  // namespace

// Escape answers the panel the key came from, the topmost (keys reach nothing behind a shown
// one), as its Cancel or Close button would. Views and the window have no Cancel: there Escape
// closes a legend's explanation at most.
bool MainView::on_key(HELEMENT, HELEMENT target, UINT eventType, UINT key, UINT keyboardState)
{
    if (eventType != KEY_DOWN || key != VK_ESCAPE || keyboardState != 0)
        return false;
    element panel = element(target).select_parent_w(L".overlay");
    if (!panel.is_valid()) {
        CollapseExplanations(Root());
        return false;
    }
    std::vector<element> buttons;
    panel.find_all(&buttons, "button.cancel");
    for (element& button : buttons)
        if (Usable(button))
            return button.click();
    return false;
}

bool MainView::on_focus(HELEMENT, HELEMENT target, UINT eventType)
{
    element source(target);
    if (eventType == FOCUS_LOST && source.select_parent_w(L"#legend").is_valid())
        CollapseExplanations(Root());
    const wchar_t* id = source.get_attribute("id");
    // What a panel holds is gone once it closes: the focus returns there by the engine's panels.
    // What has no id cannot be found again: focusing it forgets the last one, which then takes
    // the focus from nothing.
    if (eventType == FOCUS_GOT && !source.select_parent_w(L".overlay").is_valid())
        m_lastFocusId = id ? id : L"";
    return false;
}

void MainView::ShowExplanation(const element& icon)
{
    element root = Root();
    const wchar_t* popupId = icon.get_attribute("titleid");
    element popup = popupId ? root.get_element_by_id(popupId) : element();
    if (!popup.is_valid())
        return;
    const bool shown = (popup.get_state() & STATE_EXPANDED) != 0;
    CollapseExplanations(root);
    if (shown)
        return;
    // Above the icon, which sits at the window's foot: laid out first, to know its height.
    const RECT place = icon.get_location(LOCATION_VIEW_BORDER_BOX);
    popup.set_style_attribute("position", L"fixed");
    popup.set_style_attribute("left", (std::to_wstring(place.left) + L"px").c_str());
    popup.set_style_attribute("top", L"0px");
    popup.set_state(STATE_EXPANDED, STATE_COLLAPSED);
    const RECT laidOut = popup.get_location(LOCATION_VIEW_BORDER_BOX);
    popup.set_style_attribute("top", (std::to_wstring(place.top - 4 - (laidOut.bottom - laidOut.top)) + L"px").c_str());
}

// A view that shows by itself opens focused on its default button.
void MainView::FocusDefaultButton(const char* id)
{
    element button = Root().get_element_by_id(id);
    if (Usable(button))
        button.set_state(STATE_FOCUS, 0);
}

// A refresh replaced the rows: a focus on one went with it, and the row's new element has the
// same id. Any other focus the engine keeps usable itself.
void MainView::RefocusReplacedRow()
{
    element root = Root();
    if (root.find_first(":focus").is_valid() || m_lastFocusId.empty())
        return;
    element last = root.get_element_by_id(m_lastFocusId.c_str());
    if (Usable(last))
        last.set_state(STATE_FOCUS, 0);
}
