#include "ui/toolkit/behaviors/LightBox.h"

#include "json/TextHelpers.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/FocusReturn.h"

namespace htmlayout {

namespace {

const char kOkButton[] = "[role='ok-button']";
const char kCancelButton[] = "[role='cancel-button']";

bool click_first(const dom::element& panel, const char* selector)
{
    dom::element button = panel.find_first("%s", selector);
    return button.is_valid() && button.click();
}

bool is_closing_button(const dom::element& target)
{
    return target.select_parent_w(L"%hs, %hs", kOkButton, kCancelButton).is_valid();
}

void set_event_root(const dom::element& he)
{
    HELEMENT previous = nullptr;
    HTMLayoutSetEventRoot(he, &previous);
}

}  // namespace

lb_dialog::lb_dialog() : behavior(GROUP_BEHAVIOR_EVENT, "light-box-dialog") {}

// Each panel has its own place to return to, so each gets its own instance.
event_handler* lb_dialog::create_instance(HELEMENT)
{
    return new lb_dialog_instance();
}

lb_dialog_instance::lb_dialog_instance()
    : event_handler(GROUP_KEY | GROUP_FOCUS | GROUP_BEHAVIOR_EVENT | GROUP_METHOD_CALL), m_index(0), m_focus_uid(0)
{
}

void lb_dialog_instance::attached(HELEMENT)
{
    m_parent.release();
    m_index = 0;
}

void lb_dialog_instance::detached(HELEMENT)
{
    delete this;
}

bool lb_dialog_instance::on_key(HELEMENT he, HELEMENT, UINT event_type, UINT key_code, UINT)
{
    if (event_type != KEY_DOWN)
        return false;
    if (key_code == VK_RETURN)
        return click_first(he, kOkButton);
    if (key_code == VK_ESCAPE)
        return click_first(he, kCancelButton);
    return false;
}

// The click goes on to the page after the panel is hidden.
bool lb_dialog_instance::on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR)
{
    if (event_code == EVENT_BUTTON_CLICK && is_closing_button(target)) {
        dom::element panel(he);
        hide(panel);
    }
    return false;
}

bool lb_dialog_instance::on_script_call(HELEMENT he, const char* name, UINT, json::value*, json::value&)
{
    dom::element panel(he);
    if (streq(name, "show")) {
        show(panel);
        return true;
    }
    if (streq(name, "hide")) {
        hide(panel);
        return true;
    }
    return false;
}

void lb_dialog_instance::show(dom::element& panel)
{
    if (m_parent.is_valid())
        return;
    m_parent = panel.parent();
    m_index = panel.index();
    dom::element root = panel.root();
    dom::element focused = root.find_first(":focus");
    m_focus_uid = focused.is_valid() ? focused.get_uid() : 0;
    dom::element shim = dom::element::create("div");
    shim.set_attribute("class", L"shim");
    root.append(shim);
    shim.insert(panel, 0);
    panel.set_style_attribute("display", L"block");
    set_event_root(panel);
    return_focus(panel.find_first(kOkButton), panel);  // the default button, else the first control
}

void lb_dialog_instance::hide(dom::element& panel)
{
    if (!m_parent.is_valid())
        return;
    dom::element root = panel.root();
    m_parent.insert(panel, m_index);
    root.find_first("div.shim").detach();
    panel.set_style_attribute("display", nullptr);
    set_event_root(root);
    return_focus(dom::element::element_by_uid(panel.get_element_hwnd(false), m_focus_uid), root);
    m_parent.release();
    m_index = 0;
}

// The one object that makes an instance for every light box.
static lb_dialog g_lb_dialog;

}  // namespace htmlayout
