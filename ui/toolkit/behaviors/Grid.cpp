#include "ui/toolkit/behaviors/Grid.h"

#include <algorithm>

#include "json/TextHelpers.h"

namespace htmlayout {

namespace {

const UINT kSmoothScroll = 0x10;
const UINT kGridEvents = GROUP_MOUSE | GROUP_KEY | GROUP_FOCUS;

// Header rows are never checked.
class checker_cb : public dom::callback {
public:
    explicit checker_cb(int first_row) : m_first_row(first_row) {}
    bool on_element(HELEMENT he) override
    {
        dom::element row(he);
        if (static_cast<int>(row.index()) >= m_first_row && !(row.get_state() & STATE_CHECKED))
            row.set_state(STATE_CHECKED, 0);
        return false;
    }

private:
    int m_first_row;
};

class unchecker_cb : public dom::callback {
public:
    bool on_element(HELEMENT he) override
    {
        dom::element row(he);
        if (row.get_state() & STATE_CHECKED)
            row.set_state(0, STATE_CHECKED);
        return false;
    }
};

void uncheck_all_rows(dom::element& table)
{
    unchecker_cb unchecker;
    table.select(&unchecker, ":root>tr:checked");
}

// Controls inside rows and headers keep their own clicks.
bool is_inside_control(const dom::element& target)
{
    return target.select_parent_w(L"input, button, select").is_valid();
}

bool is_shown(const dom::element& row)
{
    return row.is_visible() && !wcseq(row.get_style_attribute("display"), L"none");
}

bool is_displayed(const dom::element& row)
{
    return !wcseq(row.get_style_attribute("display"), L"none");
}

// The first row from `from` in steps of `step` (staying at or after the header rows) that
// passes the test; null when none.
template <typename Test>
dom::element scan_rows(const dom::element& table, int from, int step, Test passes)
{
    int count = static_cast<int>(table.children_count());
    for (int n = from; n >= grid::get_fixed_rows(table) && n < count; n += step) {
        dom::element row = table.child(static_cast<UINT>(n));
        if (passes(row))
            return row;
    }
    return dom::element();
}

int current_index_or(const dom::element& table, int fallback)
{
    dom::element current = grid::get_current_row(table);
    return current.is_valid() ? static_cast<int>(current.index()) : fallback;
}

dom::element row_for_key(dom::element& table, UINT key_code)
{
    int last = static_cast<int>(table.children_count()) - 1;
    int fixed = grid::get_fixed_rows(table);
    RECT box = table.get_location(LOCATION_VIEW_SCROLL_PORT);
    switch (key_code) {
    case VK_UP: return scan_rows(table, current_index_or(table, last + 1) - 1, -1, is_shown);
    case VK_DOWN: return scan_rows(table, current_index_or(table, fixed - 1) + 1, 1, is_shown);
    case VK_HOME: return scan_rows(table, fixed, 1, is_shown);
    case VK_END: return scan_rows(table, last, -1, is_shown);
    case VK_PRIOR: {
        LONG limit = 2 * box.top - box.bottom;
        return scan_rows(table, last, -1, [&](const dom::element& row) {
            return is_displayed(row) && row.get_location(LOCATION_VIEW_BORDER_BOX).top < limit;
        });
    }
    case VK_NEXT: {
        LONG limit = 2 * box.bottom - box.top;
        return scan_rows(table, fixed, 1, [&](const dom::element& row) {
            return is_displayed(row) && row.get_location(LOCATION_VIEW_BORDER_BOX).bottom > limit;
        });
    }
    default: return dom::element();
    }
}

bool is_navigation_key(UINT key_code)
{
    return key_code == VK_UP || key_code == VK_DOWN || key_code == VK_HOME || key_code == VK_END ||
           key_code == VK_PRIOR || key_code == VK_NEXT;
}

// A drop-down or an edit in a row moves its choice or caret by these keys itself, and the
// drop-down opens by Alt with an arrow: the rows move only by the keys nothing inside wants.
bool is_kept_by_focus(const dom::element& table, const dom::element& focus, UINT keyboard_state)
{
    if (keyboard_state & KEYBOARD_ALT)
        return true;
    if (!focus.is_valid() || focus == table)
        return false;
    dom::element control = focus.select_parent_w(L"select, textarea, input");
    if (!control.is_valid())
        return false;
    const wchar_t* type = control.get_attribute("type");
    return !type || !(wcseq(type, L"checkbox") || wcseq(type, L"radio"));
}

bool is_smooth_key(UINT key_code)
{
    return key_code != VK_UP && key_code != VK_DOWN;
}

}  // namespace

grid::grid() : behavior(kGridEvents, "grid") {}

grid::grid(UINT subscription, const char* name) : behavior(subscription, name) {}

bool grid::on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT, UINT buttons, UINT keyboard_state)
{
    if (event_type != (MOUSE_DOWN | EVENT_SINKING) && event_type != MOUSE_DCLICK)
        return false;
    dom::element table(he);
    dom::element clicked(target);
    dom::element row = target_row(table, clicked);
    if (!row.is_valid() || is_inside_control(clicked))
        return false;
    if (static_cast<int>(row.index()) < get_fixed_rows(table)) {
        dom::element cell = target_row(row, clicked);
        if (cell.is_valid())
            on_column_click(table, cell);
        return buttons == 1;
    }
    set_current_row(table, row, keyboard_state, event_type == MOUSE_DCLICK, false);
    HTMLayoutUpdateWindow(table.get_element_hwnd(false));
    return false;
}

bool grid::on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state)
{
    if (event_type != KEY_DOWN)
        return false;
    dom::element table(he);
    if (key_code == 'A' && (keyboard_state & KEYBOARD_CONTROL)) {
        if (!is_multiple(table))
            return false;
        checkall(table, true);
        return true;
    }
    if (!is_navigation_key(key_code) || is_kept_by_focus(table, dom::element(target), keyboard_state))
        return false;
    // With no row to go to, the current row stays.
    dom::element row = row_for_key(table, key_code);
    if (row.is_valid())
        set_current_row(table, row, keyboard_state, false, is_smooth_key(key_code));
    return true;
}

void grid::on_column_click(dom::element& table, dom::element& cell)
{
    table.post_event(EVENT_TABLE_HEADER_CLICK, cell.index(), cell.is_valid() ? cell : table);
}

void grid::checkall(dom::element& table, bool check)
{
    if (!is_multiple(table))
        return;
    if (check) {
        checker_cb checker(get_fixed_rows(table));
        table.select(&checker, ":root>tr");
    } else {
        uncheck_all_rows(table);
    }
}

void grid::set_current_row(dom::element& table, dom::element& row, UINT keyboard_state, bool double_click, bool smooth)
{
    dom::element previous = get_current_row(table);
    bool another = previous.is_valid() && previous != row;
    if (!is_multiple(table)) {
        if (another)
            previous.set_state(0, STATE_CURRENT | STATE_CHECKED);
        row.set_state(STATE_CURRENT | STATE_CHECKED, 0);
    } else {
        if (keyboard_state & KEYBOARD_SHIFT) {
            uncheck_all_rows(table);
            check_range(table, static_cast<int>(row.index()), true);
            row.set_state(STATE_CURRENT | STATE_CHECKED, 0);
        } else if (keyboard_state & KEYBOARD_CONTROL) {
            UINT checked = row.get_state() & STATE_CHECKED;
            row.set_state(checked ? 0 : STATE_CHECKED, checked);
            set_anchor_row(table, static_cast<int>(row.index()));
            row.set_state(STATE_CURRENT, 0);
        } else {
            uncheck_all_rows(table);
            set_anchor_row(table, static_cast<int>(row.index()));
            row.set_state(STATE_CURRENT | STATE_CHECKED, 0);
        }
        if (another)
            previous.set_state(0, STATE_CURRENT);
    }
    row.scroll_to_view(smooth ? kSmoothScroll : 0);
    table.post_event(double_click ? EVENT_TABLE_ROW_DBL_CLICK : EVENT_TABLE_ROW_CLICK, row.index(), row);
}

dom::element grid::get_current_row(const dom::element& table)
{
    for (UINT n = table.children_count(); n-- > 0;) {
        dom::element row = table.child(n);
        if (row.get_state() & STATE_CURRENT)
            return row;
    }
    return dom::element();
}

dom::element grid::target_row(const dom::element& table, const dom::element& he)
{
    for (dom::element up = he; up.is_valid(); up = up.parent()) {
        dom::element above = up.parent();
        if (above == table)
            return up;
    }
    return dom::element();
}

int grid::get_anchor_row_index(const dom::element& table)
{
    dom::element anchor = table.find_first(":root>tr:anchor");
    return anchor.is_valid() ? static_cast<int>(anchor.index()) : 0;
}

void grid::set_anchor_row(dom::element& table, int index)
{
    dom::element old_anchor = table.find_first(":root>tr:anchor");
    if (old_anchor.is_valid())
        old_anchor.set_state(0, STATE_ANCHOR, false);
    dom::element row = table.child(static_cast<UINT>(index));
    if (row.is_valid())
        row.set_state(STATE_ANCHOR, 0, false);
}

void grid::check_range(dom::element& table, int index, bool check)
{
    if (!is_multiple(table))
        return;
    int anchor = get_anchor_row_index(table);
    int from = std::max(std::min(anchor, index), get_fixed_rows(table));
    int to = std::max(anchor, index);
    for (int n = to; n >= from; --n) {
        dom::element row = table.child(static_cast<UINT>(n));
        if (row.is_visible())
            row.set_state(check ? STATE_CHECKED : 0, check ? 0 : STATE_CHECKED);
    }
}

bool grid::is_multiple(const dom::element& table)
{
    return table.get_attribute("multiple") != nullptr;
}

int grid::get_fixed_rows(const dom::element& table)
{
    return wtoi(table.get_attribute("fixedrows"), 0);
}

// The one object that serves every grid.
static grid g_grid;

}  // namespace htmlayout
