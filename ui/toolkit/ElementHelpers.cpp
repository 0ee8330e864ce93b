#include "ui/toolkit/ElementHelpers.h"

#include <vector>

#include "json/TextHelpers.h"

namespace htmlayout {

// Two calls, set before clear, so the engine never sees both bits set or both clear.
void expand(dom::element& he)
{
    he.set_state(STATE_EXPANDED, 0);
    he.set_state(0, STATE_COLLAPSED);
}

void collapse(dom::element& he)
{
    he.set_state(0, STATE_EXPANDED);
    he.set_state(STATE_COLLAPSED, 0);
}

dom::element get_select_caption(const dom::element& select)
{
    return select.find_first_w(L"caption");
}

std::wstring get_select_value(const dom::element& select, const std::wstring& default_value)
{
    const wchar_t* value = get_select_caption(select).get_attribute("value");
    return value ? std::wstring(value) : default_value;
}

int get_select_int_value(const dom::element& select, int default_value)
{
    const wchar_t* value = get_select_caption(select).get_attribute("value");
    return value ? wtoi(value, 0) : default_value;
}

void set_select_value(const dom::element& select, const std::wstring& value)
{
    std::vector<dom::element> options;
    select.find_all_w(&options, L"option");
    for (dom::element& option : options) {
        if (wcseq(option.get_attribute("value"), value.c_str())) {
            option.set_state(STATE_CHECKED, 0);
            return;
        }
    }
}

void set_radio_value(const dom::element& root, const std::wstring& name, int value)
{
    dom::element radio = root.find_first_w(L"[name='%ls'][value='%d']", name.c_str(), value);
    if (radio.is_valid())
        radio.set_value(json::value(true));
}

int get_radio_value(const dom::element& root, const std::wstring& name)
{
    dom::element checked = root.find_first_w(L"[name='%ls']:checked", name.c_str());
    return wtoi(checked.get_attribute("value"), 0);
}

}  // namespace htmlayout
