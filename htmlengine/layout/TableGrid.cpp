#include "htmlengine/layout/TableGrid.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/layout/BoxSizes.h"
#include "htmlengine/layout/BoxState.h"

#include <algorithm>
#include <cwchar>

namespace htmlengine {

namespace {

int Span(const Box& cell, const char* attribute, int maximum)
{
    if (!cell.element)
        return 1;
    const std::wstring* text = cell.element->FindAttribute(attribute);
    long span = text ? std::wcstol(text->c_str(), nullptr, 10) : 1;
    return int(std::clamp<long>(span, 1, maximum));
}

class Occupancy {
public:
    bool Taken(int row, int column) const
    {
        return row < int(taken_.size()) && column < int(taken_[row].size()) && taken_[row][column];
    }
    void Take(int row, int rows, int column, int columns)
    {
        for (int r = row; r < row + rows; ++r) {
            if (int(taken_.size()) <= r)
                taken_.resize(r + 1);
            if (int(taken_[r].size()) < column + columns)
                taken_[r].resize(column + columns);
            for (int c = column; c < column + columns; ++c)
                taken_[r][c] = true;
        }
    }

private:
    std::vector<std::vector<bool>> taken_;
};

// Collapsed borders (CSS 2.1 §17.6.2.1, simplified): of two borders between cells the wider
// stays (the one above or left when they are alike); at the table's edge the table's own
// border wins over a cell's.
class BorderCollapser {
public:
    BorderCollapser(const Box& table, TableGrid& grid) : table_(table), grid_(grid)
    {
        for (GridCell& cell : grid.cells)
            for (int r = cell.row; r < cell.row + cell.rowSpan; ++r)
                for (int c = cell.column; c < cell.column + cell.columnSpan; ++c)
                    At(r, c) = &cell;
    }

    void Run()
    {
        int rows = int(grid_.rows.size()), columns = int(grid_.columns.size());
        for (GridCell& cell : grid_.cells) {
            Edge(cell, cell.row > 0 ? At(cell.row - 1, cell.column) : nullptr, kTop, kBottom);
            Edge(cell, cell.column > 0 ? At(cell.row, cell.column - 1) : nullptr, kLeft, kRight);
            if (cell.row + cell.rowSpan >= rows && table_.style->border[kBottom].width)
                Drop(cell, kBottom);
            if (cell.column + cell.columnSpan >= columns && table_.style->border[kRight].width)
                Drop(cell, kRight);
        }
    }

private:
    GridCell*& At(int row, int column)
    {
        if (int(map_.size()) <= row)
            map_.resize(row + 1);
        if (int(map_[row].size()) <= column)
            map_[row].resize(column + 1);
        return map_[row][column];
    }

    static int Width(const GridCell& cell, Side side) { return cell.box->style->border[side].width; }
    static void Drop(GridCell& cell, Side side) { StateOf(*cell.box).droppedBorders |= 1u << side; }

    // The cell's `side` against the neighbour's `opposite` (the neighbour lies above or left).
    void Edge(GridCell& cell, GridCell* neighbour, Side side, Side opposite)
    {
        if (!neighbour) {
            if (table_.style->border[side].width)
                Drop(cell, side);
            return;
        }
        if (neighbour == &cell)
            return;
        if (Width(*neighbour, opposite) >= Width(cell, side))
            Drop(cell, side);
        else
            Drop(*neighbour, opposite);
    }

    const Box& table_;
    TableGrid& grid_;
    std::vector<std::vector<GridCell*>> map_;
};

void Spread(TableGrid& grid, const GridCell& cell, int need, int Column::*field)
{
    int have = grid.spacingX * (cell.columnSpan - 1);
    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c)
        have += grid.columns[c].*field;
    int extra = need - have;
    if (extra <= 0)
        return;
    for (int c = cell.column, left = cell.columnSpan; c < cell.column + cell.columnSpan; ++c, --left) {
        int share = extra / left;
        grid.columns[c].*field += share;
        extra -= share;
    }
}

void AddCellWidths(TableGrid& grid, const GridCell& cell, LayoutContext& context)
{
    Intrinsic widths = IntrinsicWidths(*cell.box, context);
    const Length& width = cell.box->style->width;
    if (cell.columnSpan == 1) {
        Column& column = grid.columns[cell.column];
        column.min = std::max(column.min, widths.min);
        column.max = std::max(column.max, widths.max);
        if (width.unit == Length::Unit::Px)
            column.pixels = std::max(column.pixels, widths.max);
        if (width.unit == Length::Unit::Percent)
            column.percent = std::max(column.percent, width.value);
        return;
    }
    // A spanning cell's extra need is shared evenly by its columns: first what it needs, then
    // what it would like.
    Spread(grid, cell, widths.min, &Column::min);
    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c)
        grid.columns[c].max = std::max(grid.columns[c].max, grid.columns[c].min);
    Spread(grid, cell, widths.max, &Column::max);
}

void AddRows(Box& group, TableGrid& grid, Occupancy& occupancy)
{
    for (const std::unique_ptr<Box>& row : group.children) {
        if (StateOf(*row).kind != BoxKind::Row)
            continue;
        int rowIndex = int(grid.rows.size());
        grid.rows.push_back(row.get());
        int column = 0;
        for (const std::unique_ptr<Box>& cell : row->children) {
            if (StateOf(*cell).kind != BoxKind::Cell)
                continue;
            while (occupancy.Taken(rowIndex, column))
                ++column;
            int columnSpan = Span(*cell, "colspan", 1000), rowSpan = Span(*cell, "rowspan", 1000);
            occupancy.Take(rowIndex, rowSpan, column, columnSpan);
            grid.cells.push_back({ cell.get(), rowIndex, column, rowSpan, columnSpan });
            column += columnSpan;
        }
    }
}

}  // namespace

TableGrid BuildGrid(Box& table, LayoutContext& context)
{
    TableGrid grid;
    Occupancy occupancy;
    for (const std::unique_ptr<Box>& group : table.children)
        if (StateOf(*group).kind == BoxKind::RowGroup)
            AddRows(*group, grid, occupancy);
    int columns = 0;
    for (GridCell& cell : grid.cells) {
        cell.rowSpan = std::min(cell.rowSpan, int(grid.rows.size()) - cell.row);
        columns = std::max(columns, cell.column + cell.columnSpan);
    }
    grid.columns.resize(columns);
    bool collapse = table.style->borderCollapse;
    grid.spacingX = collapse ? 0 : table.style->borderSpacingX;
    grid.spacingY = collapse ? 0 : table.style->borderSpacingY;
    if (collapse)
        BorderCollapser(table, grid).Run();
    std::vector<const GridCell*> order;
    for (const GridCell& cell : grid.cells)
        order.push_back(&cell);
    std::stable_sort(order.begin(), order.end(),
                     [](const GridCell* a, const GridCell* b) { return a->columnSpan < b->columnSpan; });
    for (const GridCell* cell : order)
        AddCellWidths(grid, *cell, context);
    return grid;
}

Intrinsic ColumnTotals(const TableGrid& grid)
{
    Intrinsic totals;
    for (const Column& column : grid.columns) {
        totals.min += column.min;
        totals.max += std::max(column.min, column.pixels >= 0 ? column.pixels : column.max);
    }
    return totals;
}

std::vector<int> DistributeWidths(const TableGrid& grid, int width)
{
    size_t count = grid.columns.size();
    std::vector<int> widths(count);
    std::vector<bool> flexible(count);
    int assigned = 0, growRoom = 0, autoMax = 0;
    float percents = 0;
    for (size_t i = 0; i < count; ++i) {
        const Column& column = grid.columns[i];
        if (column.percent >= 0) {
            percents += column.percent;
            continue;
        }
        if (column.pixels >= 0)
            widths[i] = std::max(column.min, column.pixels);
        else {
            widths[i] = column.min;
            flexible[i] = true;
            growRoom += column.max - column.min;
            autoMax += column.max;
        }
        assigned += widths[i];
    }
    // Percentages that ask for more than the other columns leave share what is left, so that
    // "30px, 130px, 30%, 40%, 30%" fits its table instead of running out of it.
    float percentScale = percents > 0 ? std::min(width / 100.0f, std::max(0, width - assigned) / percents) : 0;
    for (size_t i = 0; i < count; ++i) {
        const Column& column = grid.columns[i];
        if (column.percent < 0)
            continue;
        widths[i] = std::max(column.min, int(column.percent * percentScale));
        assigned += widths[i];
    }
    int remaining = width - assigned;
    if (remaining <= 0)
        return widths;
    int given = 0;
    bool toMax = remaining <= growRoom;
    for (size_t i = 0; i < count; ++i) {
        if (!flexible[i])
            continue;
        const Column& column = grid.columns[i];
        int share = toMax
                        ? (growRoom ? int(static_cast<long long>(remaining) * (column.max - column.min) / growRoom) : 0)
                        : column.max - column.min;
        widths[i] += share;
        given += share;
    }
    remaining -= given;
    if (remaining <= 0)
        return widths;
    // Wider than every column would like: auto columns take it by their widths, else all columns.
    bool anyAuto = autoMax > 0;
    int base = 0;
    for (size_t i = 0; i < count; ++i)
        if (!anyAuto || flexible[i])
            base += std::max(1, widths[i]);
    int last = -1;
    given = 0;
    for (size_t i = 0; i < count; ++i) {
        if (anyAuto && !flexible[i])
            continue;
        int share = int(static_cast<long long>(remaining) * std::max(1, widths[i]) / std::max(1, base));
        widths[i] += share;
        given += share;
        last = int(i);
    }
    if (last >= 0)
        widths[last] += remaining - given;
    return widths;
}

}  // namespace htmlengine
