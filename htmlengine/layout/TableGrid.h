#pragma once
// A table's rows and cells on a grid of columns (CSS 2.1 §17.5: colspan and rowspan), and
// the widths of its columns (§17.5.2.2, the automatic table layout, simplified): each column
// gets at least its min-content width; px and % columns what they ask for; auto columns
// share what is left in proportion to how much more they would like.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/IntrinsicWidths.h"
#include "htmlengine/layout/LayoutContext.h"

#include <vector>

namespace htmlengine {

struct GridCell {
    Box* box;
    int row, column, rowSpan, columnSpan;
};

struct Column {
    int min = 0, max = 0;
    int pixels = -1;  // a px width asked for by a cell (border box)
    float percent = -1;  // a % width asked for by a cell
};

struct TableGrid {
    std::vector<Box*> rows;  // every row, in order
    std::vector<GridCell> cells;
    std::vector<Column> columns;
    int spacingX = 0, spacingY = 0;  // 0 with collapsed borders

    // Spacing around and between n adjacent columns.
    int Spacing(int count) const { return spacingX * (count + 1); }
};

TableGrid BuildGrid(Box& table, LayoutContext& context);

// Column widths that fill `width` (the table's content width without spacing), never less
// than the columns' minimums.
std::vector<int> DistributeWidths(const TableGrid& grid, int width);

// The widths the table's columns need (min) and would like (max), without spacing.
Intrinsic ColumnTotals(const TableGrid& grid);

}  // namespace htmlengine
