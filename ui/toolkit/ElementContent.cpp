// Text, markup, attributes, control values, states and the thin forwards of the view.
#include <cwchar>

#include "ui/toolkit/Element.h"
#include "ui/toolkit/Guarded.h"

namespace htmlayout {
namespace dom {

namespace {

void CALLBACK receive_text(const wchar_t* text, UINT length, LPVOID param)
{
    auto* received = static_cast<json::string*>(param);
    detail::guarded(L"element text receiver", [&] { *received = json::string(text, static_cast<int>(length)); });
}

void CALLBACK receive_bytes(const BYTE* bytes, UINT length, LPVOID param)
{
    auto* received = static_cast<json::astring*>(param);
    detail::guarded(L"element markup receiver",
                    [&] { *received = json::astring(reinterpret_cast<const char*>(bytes), static_cast<int>(length)); });
}

}  // namespace

// ---- text, markup, attributes, control values

void element::set_text(const wchar_t* text)
{
    if (text)
        HTMLayoutSetElementInnerText16(m_handle, text, static_cast<UINT>(std::wcslen(text)));
}

json::string element::get_text() const
{
    json::string text;
    HTMLayoutGetElementInnerTextCB(m_handle, receive_text, &text);
    return text;
}

json::astring element::get_html(bool outer) const
{
    json::astring markup;
    HTMLayoutGetElementHtmlCB(m_handle, outer, receive_bytes, &markup);
    return markup;
}

void element::set_html(const unsigned char* utf8, UINT length, int where)
{
    if (utf8 && length)
        HTMLayoutSetElementHtml(m_handle, utf8, length, static_cast<UINT>(where));
    else
        set_text(L"");
}

const wchar_t* element::get_attribute(const char* name) const
{
    const wchar_t* value = nullptr;
    return HTMLayoutGetAttributeByName(m_handle, name, &value) == ENGINE_OK ? value : nullptr;
}

void element::set_attribute(const char* name, const wchar_t* value)
{
    HTMLayoutSetAttributeByName(m_handle, name, value);
}

const wchar_t* element::get_style_attribute(const char* name) const
{
    const wchar_t* value = nullptr;
    return HTMLayoutGetStyleAttribute(m_handle, name, &value) == ENGINE_OK ? value : nullptr;
}

void element::set_style_attribute(const char* name, const wchar_t* value)
{
    HTMLayoutSetStyleAttribute(m_handle, name, value);
}

json::value element::get_value() const
{
    json::value value;
    HTMLayoutControlGetValue(m_handle, &value.native());
    return value;
}

void element::set_value(const json::value& value)
{
    HTMLayoutControlSetValue(m_handle, &value.native());
}

UINT element::get_ctl_type() const
{
    UINT type = 0;
    return HTMLayoutControlGetType(m_handle, &type) == ENGINE_OK ? type : 0;
}

// ---- states

UINT element::get_state() const
{
    UINT state = 0;
    return HTMLayoutGetElementState(m_handle, &state) == ENGINE_OK ? state : 0;
}

void element::set_state(UINT bits_to_set, UINT bits_to_clear, bool update)
{
    HTMLayoutSetElementState(m_handle, bits_to_set, bits_to_clear, update);
}

void element::enable()
{
    if (is_valid() && root().is_valid()) {
        set_state(0, STATE_DISABLED);
        update(false);
    }
}

void element::disable()
{
    if (is_valid() && root().is_valid()) {
        set_state(STATE_DISABLED, 0);
        update(false);
    }
}

void element::set_expanded_flag()
{
    if (is_valid() && root().is_valid())
        set_state(STATE_EXPANDED, 0);
}

void element::set_collapsed_flag()
{
    if (is_valid() && root().is_valid())
        set_state(STATE_COLLAPSED, 0);
}

// ---- view, events and methods

void element::update(bool render_now)
{
    HTMLayoutUpdateElement(m_handle, render_now);
}

void element::scroll_to_view(UINT flags)
{
    HTMLayoutScrollToView(m_handle, flags);
}

bool element::is_visible() const
{
    BOOL visible = FALSE;
    return HTMLayoutIsElementVisible(m_handle, &visible) == ENGINE_OK && visible;
}

RECT element::get_location(UINT area) const
{
    RECT location = { 0, 0, 0, 0 };
    if (HTMLayoutGetElementLocation(m_handle, &location, area) != ENGINE_OK)
        location = RECT { 0, 0, 0, 0 };
    return location;
}

void element::post_event(UINT code, UINT_PTR reason, const element& source)
{
    HTMLayoutPostEvent(m_handle, code, source.m_handle, reason);
}

bool element::send_event(UINT code, UINT_PTR reason, const element& source)
{
    BOOL handled = FALSE;
    return HTMLayoutSendEvent(m_handle, code, source.m_handle, reason, &handled) == ENGINE_OK && handled;
}

bool element::call_method(METHOD_PARAMS* params)
{
    return params && HTMLayoutCallBehaviorMethod(m_handle, params) == ENGINE_OK;
}

bool element::click()
{
    METHOD_PARAMS params = { METHOD_CLICK };
    return is_valid() && call_method(&params);
}

}  // namespace dom
}  // namespace htmlayout
