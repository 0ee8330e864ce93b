#pragma once
// "sortable-grid": a grid that sorts its rows, ascending, by the clicked column's texts.
#include "ui/toolkit/behaviors/Grid.h"

namespace htmlayout {

class sortable_grid : public grid {
public:
    // Orders rows by the inner texts of one column, UTF-16 unit by unit.
    class row_sorter : public dom::element::comparator {
    public:
        explicit row_sorter(int column) : m_column(column) {}
        int compare(const dom::element& a, const dom::element& b) override;

    private:
        int m_column;
    };

    sortable_grid();

    void on_column_click(dom::element& table, dom::element& cell) override;
    static void sort_rows(dom::element& table, int column);
};

}  // namespace htmlayout
