#include "ui/toolkit/behaviors/DateRange.h"

#include <string>
#include <vector>

#include "core/DateRange.h"
#include "json/TextHelpers.h"

namespace htmlayout {

namespace {

const int kSeparator = 0;

struct menu_entry {
    const wchar_t* label;
    int id;  // the range type it selects; kSeparator for a line
};

const menu_entry kMenu[] = {
    { L"Current month", 1 },
    { L"Current month till today", 2 },
    { L"Previous month", 3 },
    { nullptr, kSeparator },
    { L"First half of the current month", 9 },
    { L"Second half of the current month", 10 },
    { L"First half of the previous month", 11 },
    { L"Second half of the previous month", 12 },
    { nullptr, kSeparator },
    { L"Current week", 13 },
    { L"Current week till today", 14 },
    { L"Previous week", 15 },
    { L"2 previous weeks", 16 },
    { nullptr, kSeparator },
    { L"Custom date range", Quorvane::DateRange::CustomType },
};

const wchar_t kSeparatorStyle[] = L"height:1px;border-width:0;color:gray;background-color:gray";

bool inside(HELEMENT element, HELEMENT ancestor)
{
    for (dom::element each(element); each.is_valid(); each = each.parent())
        if (static_cast<HELEMENT>(each) == ancestor)
            return true;
    return false;
}

void close_popup(const dom::element& widget)
{
    daterange::get_popup(widget).set_state(STATE_COLLAPSED, 0);
}

// The menu opens on the range in force: the list's highlight starts at its checked entry.
void open_menu(const dom::element& widget)
{
    dom::element popup = daterange::get_popup(widget);
    const wchar_t* type = widget.get_attribute("rangeType");
    std::vector<dom::element> earlier;
    popup.find_all(&earlier, ":root>option:checked");
    for (dom::element& option : earlier)
        option.set_state(0, STATE_CHECKED);
    dom::element current = type ? popup.find_first_w(L":root>option[menuItemId=\"%ls\"]", type) : dom::element();
    if (current.is_valid())
        current.set_state(STATE_CHECKED, 0);
    popup.set_state(STATE_EXPANDED, STATE_COLLAPSED);
}

// A drop-down's keys, while the widget itself holds the focus: F4, Alt+Down and Down. Enter and
// Space reach it as a click.
bool is_opening_key(UINT key_code, UINT keyboard_state)
{
    if (keyboard_state & (KEYBOARD_CONTROL | KEYBOARD_SHIFT))
        return false;
    if (keyboard_state & KEYBOARD_ALT)  // Alt+F4 closes the window, as over any drop-down
        return key_code == VK_DOWN || key_code == VK_UP;
    return key_code == VK_F4 || key_code == VK_DOWN;
}

void set_range_type(dom::element& widget, int type)
{
    widget.set_attribute("rangeType", std::to_wstring(type).c_str());
}

Quorvane::DateTime read_date(const dom::element& input)
{
    ULARGE_INTEGER units;
    units.QuadPart = static_cast<ULONGLONG>(input.get_value().get_int64());
    FILETIME time;
    time.dwLowDateTime = units.LowPart;
    time.dwHighDateTime = units.HighPart;
    return Quorvane::DateTime::FromFileTime(time);
}

// The date goes into the input and, as "startDate" or "endDate", onto the widget, so that a
// later focus loss can tell whether the user changed it.
void write_date(const dom::element& widget, dom::element input, const char* attribute, const Quorvane::DateTime& date)
{
    FILETIME time = date.ToFileTime();
    ULARGE_INTEGER units;
    units.LowPart = time.dwLowDateTime;
    units.HighPart = time.dwHighDateTime;
    input.set_value(json::value::make_date(static_cast<int64_t>(units.QuadPart)));
    dom::element(widget).set_attribute(attribute, date.ToString().c_str());
}

bool differs_from_written(const dom::element& widget, const char* attribute, const Quorvane::DateTime& date)
{
    return !wcseq(widget.get_attribute(attribute), date.ToString().c_str());
}

// An emptied input holds no date; its value reads as the zero FILETIME.
bool holds_date(const dom::element& input)
{
    return input.get_value().get_int64() != 0;
}

// The inputs show the dates written last again, which are the range in force.
void restore_written_dates(const dom::element& widget)
{
    Quorvane::DateTime start, end;
    if (const wchar_t* text = widget.get_attribute("startDate"))
        start.Parse(text);
    if (const wchar_t* text = widget.get_attribute("endDate"))
        end.Parse(text);
    if (start.IsValid())
        daterange::write_start(widget, start);
    if (end.IsValid())
        daterange::write_end(widget, end);
}

// The user's own dates, after a focus loss: only a real change makes the range custom and
// tells the page. An emptied input is no change: the range in force comes back.
void take_edited_dates(dom::element& widget)
{
    close_popup(widget);
    if (!holds_date(daterange::get_start_input(widget)) || !holds_date(daterange::get_end_input(widget))) {
        restore_written_dates(widget);
        return;
    }
    Quorvane::DateTime start = daterange::read_start(widget);
    Quorvane::DateTime end = daterange::read_end(widget);
    if (!differs_from_written(widget, "startDate", start) && !differs_from_written(widget, "endDate", end))
        return;
    set_range_type(widget, Quorvane::DateRange::CustomType);
    daterange::write_start(widget, start);
    daterange::write_end(widget, end);
    widget.send_event(EVENT_VALUE_CHANGED, 0, widget);
}

}  // namespace

daterange::daterange()
    : behavior(GROUP_MOUSE | GROUP_KEY | GROUP_FOCUS | GROUP_BEHAVIOR_EVENT | GROUP_METHOD_CALL, "daterange")
{
}

void daterange::attached(HELEMENT he)
{
    dom::element widget(he);
    dom::element popup = dom::element::create("popup");
    widget.append(popup);
    fill_menu(popup);
}

bool daterange::on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT, UINT, UINT)
{
    if (event_type != MOUSE_DOWN)
        return false;
    dom::element popup = get_popup(he);
    // A press on a menu entry comes up here on its way too: the menu must stay open for the
    // entry's click, which chooses the range and closes it.
    if (inside(target, popup))
        return false;
    if (popup.get_state() & STATE_EXPANDED)
        close_popup(he);
    else
        open_menu(he);
    return false;
}

bool daterange::on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state)
{
    if (event_type != KEY_DOWN || target != he || !is_opening_key(key_code, keyboard_state))
        return false;
    if (!(get_popup(he).get_state() & STATE_EXPANDED))
        open_menu(he);
    return true;
}

bool daterange::on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR)
{
    // A date committed with Enter or chosen in its calendar counts at once, as when the
    // focus leaves the field: the range the widget shows is the one in force.
    dom::element widget(he);
    if (event_code == EVENT_VALUE_CHANGED && (target == get_start_input(widget) || target == get_end_input(widget))) {
        take_edited_dates(widget);
        return false;
    }
    if (event_code == EVENT_SELECT_STATE_CHANGED) {
        close_popup(he);
        return false;
    }
    if (event_code == EVENT_POPUP_DISMISSING) {
        close_popup(dom::element(he).select_parent_w(L"widget"));
        return true;
    }
    return false;
}

bool daterange::on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value&)
{
    dom::element widget(he);
    if (streq(name, "dateRangeUpdated")) {
        take_edited_dates(widget);
        return true;
    }
    if (streq(name, "hidePopup")) {
        close_popup(widget);
        return false;
    }
    if (streq(name, "OnOptionClicked") && argc == 1)
        return apply_range(widget, dom::element(argv[0].get_dom_element()));
    return false;
}

void daterange::fill_menu(dom::element& popup)
{
    for (const menu_entry& entry : kMenu) {
        if (entry.id == kSeparator) {
            dom::element line = dom::element::create("hr");
            line.set_attribute("style", kSeparatorStyle);
            popup.append(line);
            continue;
        }
        dom::element option = dom::element::create("option", entry.label);
        option.set_style_attribute("behavior", L"clickable");
        option.set_attribute("menuItemId", std::to_wstring(entry.id).c_str());
        popup.append(option);
    }
}

bool daterange::apply_range(dom::element& widget, const dom::element& option)
{
    int id = get_menu_item_id(option);
    if (id <= 0)
        return false;
    close_popup(widget);
    Quorvane::DateTime start = read_start(widget);
    Quorvane::DateTime end = read_end(widget);
    set_range_type(widget, id);
    dom::element header = widget.get_element_by_id("calendarHeader");
    if (header.is_valid())
        header.set_text(option.get_text().c_str());
    Quorvane::DateRange range(id);
    if (id == Quorvane::DateRange::CustomType) {
        range.SetStart(start);
        range.SetEnd(end);
    }
    write_start(widget, range.GetStart());
    write_end(widget, range.GetEnd());
    widget.send_event(EVENT_VALUE_CHANGED, 0, widget);
    return true;
}

int daterange::get_menu_item_id(const dom::element& option)
{
    return option.is_valid() ? wtoi(option.get_attribute("menuItemId"), 0) : -1;
}

dom::element daterange::get_popup(const dom::element& widget)
{
    return widget.find_first("popup");
}

dom::element daterange::get_start_input(const dom::element& widget)
{
    return widget.get_element_by_id("dateStart");
}

dom::element daterange::get_end_input(const dom::element& widget)
{
    return widget.get_element_by_id("dateEnd");
}

Quorvane::DateTime daterange::read_start(const dom::element& widget)
{
    return read_date(get_start_input(widget));
}

Quorvane::DateTime daterange::read_end(const dom::element& widget)
{
    return read_date(get_end_input(widget));
}

void daterange::write_start(const dom::element& widget, const Quorvane::DateTime& date)
{
    write_date(widget, get_start_input(widget), "startDate", date);
}

void daterange::write_end(const dom::element& widget, const Quorvane::DateTime& date)
{
    write_date(widget, get_end_input(widget), "endDate", date);
}

// The one object that serves every date-range box.
static daterange g_daterange;

}  // namespace htmlayout
