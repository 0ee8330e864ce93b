#include "ui/toolkit/behaviors/SortableGrid.h"

#include <cwchar>

namespace htmlayout {

sortable_grid::sortable_grid() : grid(GROUP_MOUSE | GROUP_KEY | GROUP_FOCUS, "sortable-grid") {}

// The sort is always ascending, so a second click on the sorted column changes nothing.
void sortable_grid::on_column_click(dom::element& table, dom::element& cell)
{
    grid::on_column_click(table, cell);
    dom::element previous = table.find_first("th:checked");
    if (previous == cell)
        return;
    previous.set_state(0, STATE_CHECKED);
    cell.set_state(STATE_CHECKED, 0);
    dom::element current = get_current_row(table);
    sort_rows(table, static_cast<int>(cell.index()));
    if (current.is_valid())
        current.scroll_to_view();
}

void sortable_grid::sort_rows(dom::element& table, int column)
{
    row_sorter order(column);
    table.sort(static_cast<UINT>(get_fixed_rows(table)), table.children_count(), order);
}

// By UTF-16 units, with no locale and no case folding.
int sortable_grid::row_sorter::compare(const dom::element& a, const dom::element& b)
{
    if (!a.is_valid() || !b.is_valid())
        return 0;
    json::string text_a = a.child(static_cast<UINT>(m_column)).get_text();
    json::string text_b = b.child(static_cast<UINT>(m_column)).get_text();
    int order = std::wcscmp(text_a.c_str(), text_b.c_str());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// The one object that serves every sortable grid.
static sortable_grid g_sortable_grid;

}  // namespace htmlayout
