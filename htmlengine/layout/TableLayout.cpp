#include "htmlengine/layout/TableLayout.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/ContentShift.h"
#include "htmlengine/layout/TableGrid.h"

#include <algorithm>

namespace htmlengine {

// What a table keeps between its layouts while its rows and cells stay as they are: its grid,
// and each cell as its last layout left it, so a cell whose width did not change is not laid
// out again (the table's alignment is undone first: it is done afresh after the rows).
struct TableMemory {
    struct LaidCell {
        int width = -1;  // -1: never laid out
        int height = 0;  // its border box as its own layout left it
        int shift = 0;  // how far the table moved its content to align it
    };
    TableGrid grid;
    std::vector<LaidCell> cells;
};

namespace {

TableMemory& MemoryOf(Box& table, LayoutContext& context)
{
    BoxState& state = StateOf(table);
    if (!state.table) {
        auto memory = std::make_shared<TableMemory>();
        memory->grid = BuildGrid(table, context);
        memory->cells.resize(memory->grid.cells.size());
        state.table = std::move(memory);
    }
    return *state.table;
}

int CellBaseline(const Box& cell)
{
    int baseline = cell.state ? cell.state->firstBaseline : -1;
    return baseline >= 0 ? baseline : cell.frame.height - cell.border.bottom - cell.padding.bottom;
}

// What a cell asks of its rows: its content, and at least its own height and min-height,
// which act as minimums (CSS 2.1 §17.5.3).
int CellWantedHeight(const Box& cell)
{
    int asked = ClampContentHeight(cell, std::max(0, SpecifiedContentHeight(cell, -1)), -1) + VerticalChrome(cell);
    return std::max(cell.frame.height, asked);
}

// A table is never narrower than its captions' longest words (CSS 2.1 §17.4).
int CaptionsMinimum(Box& table, LayoutContext& context)
{
    int minimum = 0;
    for (const std::unique_ptr<Box>& caption : table.children)
        if (StateOf(*caption).kind == BoxKind::Caption)
            minimum = std::max(minimum, OuterIntrinsicWidths(*caption, context).min);
    return minimum;
}

struct Rows {
    std::vector<int> tops, heights;  // in the table's content box, spacing included
    std::vector<int> baselines;  // where each row's baseline-aligned cells line up
};

// A row group's rows [first, end) in the grid, how high they are and how much of them it shows.
struct GroupRows {
    Box* box;
    size_t first, end;
    int rowsHeight = 0, height = 0;
    bool flexible = false;  // takes its share of the table's room
};

class TableLayouter {
public:
    TableLayouter(Box& table, LayoutContext& context)
        : table_(table), context_(context), memory_(MemoryOf(table, context)), grid_(memory_.grid)
    {
    }

    void Run(Containing containing, ForcedSize forced);

private:
    int ContentWidth(Containing containing, ForcedSize forced) const;
    int ColumnX(int column) const;
    int CellWidth(const GridCell& cell) const;
    void LayoutCells();
    Rows RowHeights();
    void AlignCells(const Rows& rows);
    std::vector<GroupRows> MeasureGroups(const Rows& rows, int width, int room);
    static void ShareRoom(std::vector<GroupRows*> groups, int room);
    int PlaceGroups(Rows rows, int top, int width, int room);
    int SpecifiedHeight(Containing containing, ForcedSize forced) const;
    bool AnyGroupScrollbar() const;
    int LayoutCaptions(int width);
    int SettleOwnScroll(int contentHeight, int visibleHeight);

    Box& table_;
    LayoutContext& context_;
    TableMemory& memory_;
    const TableGrid& grid_;
    std::vector<int> widths_;
};

int TableLayouter::ContentWidth(Containing containing, ForcedSize forced) const
{
    int chrome = HorizontalChrome(table_);
    Intrinsic columns = ColumnTotals(grid_);
    int spacing = grid_.Spacing(int(grid_.columns.size()));
    int minimum = std::max(columns.min + spacing, CaptionsMinimum(table_, context_));
    if (forced.width >= 0)
        return std::max(minimum, forced.width - chrome);
    int specified = SpecifiedContentWidth(table_, containing.width);
    if (specified >= 0)
        return std::max(minimum, ClampContentWidth(table_, specified, containing.width));
    int available = containing.width - table_.margin.Horizontal() - chrome;
    bool hasPercent = false;
    for (const Column& column : grid_.columns)
        hasPercent = hasPercent || column.percent >= 0;
    int wanted = hasPercent ? std::max(available, columns.max + spacing) : columns.max + spacing;
    return std::max(minimum,
                    ClampContentWidth(table_, std::min(wanted, std::max(available, minimum)), containing.width));
}

int TableLayouter::ColumnX(int column) const
{
    int x = grid_.spacingX;
    for (int c = 0; c < column; ++c)
        x += widths_[c] + grid_.spacingX;
    return x;
}

int TableLayouter::CellWidth(const GridCell& cell) const
{
    int width = grid_.spacingX * (cell.columnSpan - 1);
    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c)
        width += widths_[c];
    return width;
}

// Only cells whose width changed since they were laid out are laid out again; the others
// are put back as their layout left them.
void TableLayouter::LayoutCells()
{
    for (size_t i = 0; i < grid_.cells.size(); ++i) {
        Box& box = *grid_.cells[i].box;
        TableMemory::LaidCell& laid = memory_.cells[i];
        int width = CellWidth(grid_.cells[i]);
        if (width == laid.width) {
            ShiftContent(box, -laid.shift);
            box.frame.height = laid.height;
        } else {
            LayoutBox(box, { width, -1 }, context_, { width, -1 });
            laid.width = width;
            laid.height = box.frame.height;
        }
        laid.shift = 0;
    }
}

// CSS 2.1 §17.5.3: a row is as high as its tallest cell (or its own height); a cell spanning
// rows makes the last of them taller when they are too low together. Baseline cells line up.
Rows TableLayouter::RowHeights()
{
    size_t count = grid_.rows.size();
    Rows rows;
    rows.heights.assign(count, 0);
    rows.baselines.assign(count, 0);
    std::vector<int>& baselines = rows.baselines;
    std::vector<int> below(count, 0);
    for (size_t r = 0; r < count; ++r)
        rows.heights[r] = std::max(0, grid_.rows[r]->style->height.Resolve(0, 0));
    for (const GridCell& cell : grid_.cells) {
        if (cell.rowSpan != 1)
            continue;
        Box& box = *cell.box;
        if (box.style->verticalAlign == VerticalAlign::Baseline) {
            baselines[cell.row] = std::max(baselines[cell.row], CellBaseline(box));
            below[cell.row] = std::max(below[cell.row], box.frame.height - CellBaseline(box));
        }
        rows.heights[cell.row] = std::max(rows.heights[cell.row], CellWantedHeight(box));
    }
    for (size_t r = 0; r < count; ++r)
        rows.heights[r] = std::max(rows.heights[r], baselines[r] + below[r]);
    for (const GridCell& cell : grid_.cells) {
        if (cell.rowSpan == 1)
            continue;
        int spanned = grid_.spacingY * (cell.rowSpan - 1);
        for (int r = cell.row; r < cell.row + cell.rowSpan; ++r)
            spanned += rows.heights[r];
        int last = cell.row + cell.rowSpan - 1;
        rows.heights[last] += std::max(0, CellWantedHeight(*cell.box) - spanned);
    }
    rows.tops.resize(count);
    int y = grid_.spacingY;
    for (size_t r = 0; r < count; ++r) {
        rows.tops[r] = y;
        y += rows.heights[r] + grid_.spacingY;
    }
    return rows;
}

// Cells take their rows' height and move their content as they align; done once, after the
// last pass, so a cell that pass did not lay out again is still as its layout left it.
void TableLayouter::AlignCells(const Rows& rows)
{
    for (size_t i = 0; i < grid_.cells.size(); ++i) {
        const GridCell& cell = grid_.cells[i];
        Box& box = *cell.box;
        int shift = 0;
        if (cell.rowSpan == 1 && box.style->verticalAlign == VerticalAlign::Baseline)
            shift = rows.baselines[cell.row] - CellBaseline(box);
        int last = cell.row + cell.rowSpan - 1;
        int height = rows.tops[last] + rows.heights[last] - rows.tops[cell.row];
        int free = height - box.frame.height;
        VerticalAlign align = box.style->verticalAlign;
        if (align == VerticalAlign::Middle)
            shift += free / 2;
        else if (align == VerticalAlign::Bottom)
            shift += free;
        ShiftContent(box, shift);
        memory_.cells[i].shift = shift;
        box.frame.height = height;
        box.frame.x = ColumnX(cell.column) - grid_.spacingX;  // the row starts after the first spacing
        box.frame.y = 0;
    }
}

// What each row group shows of its rows: all of them; no more than its height when it has one
// and overflow; and when it has overflow but no height, in a table with a height, what the
// table leaves after its captions and other groups (`room`, -1 without a height), shared evenly.
std::vector<GroupRows> TableLayouter::MeasureGroups(const Rows& rows, int width, int room)
{
    std::vector<GroupRows> groups;
    size_t next = 0;
    for (const std::unique_ptr<Box>& box : table_.children) {
        if (StateOf(*box).kind != BoxKind::RowGroup)
            continue;
        ResolveEdges(*box, width);
        GroupRows group { box.get(), next, next };
        for (const std::unique_ptr<Box>& row : box->children)
            if (StateOf(*row).kind == BoxKind::Row && group.end < rows.tops.size())
                ++group.end;
        next = group.end;
        if (group.end > group.first)
            group.rowsHeight = rows.tops[group.end - 1] + rows.heights[group.end - 1] - rows.tops[group.first];
        int specified = SpecifiedContentHeight(*box, -1);
        group.flexible = box->scroll && specified < 0 && room >= 0;
        group.height = box->scroll && specified >= 0 ? std::min(group.rowsHeight, specified) : group.rowsHeight;
        groups.push_back(group);
    }
    std::vector<GroupRows*> flexible;
    int taken = grid_.spacingY;
    for (GroupRows& group : groups) {
        if (group.end > group.first)
            taken += grid_.spacingY;  // the spacing after the group
        if (group.flexible)
            flexible.push_back(&group);
        else
            taken += group.height;
    }
    ShareRoom(flexible, room - taken);
    return groups;
}

// The groups that need less than an even share take what they need; the rest share what is left.
void TableLayouter::ShareRoom(std::vector<GroupRows*> groups, int room)
{
    std::stable_sort(groups.begin(), groups.end(),
                     [](const GroupRows* a, const GroupRows* b) { return a->rowsHeight < b->rowsHeight; });
    for (size_t i = 0; i < groups.size(); ++i) {
        groups[i]->height = std::min(groups[i]->rowsHeight, std::max(0, room) / int(groups.size() - i));
        room -= groups[i]->height;
    }
}

// Rows go into their groups; a group that shows less than its rows scrolls them.
int TableLayouter::PlaceGroups(Rows rows, int top, int width, int room)
{
    int left = table_.border.left + table_.padding.left, origin = table_.border.top + table_.padding.top;
    int bottom = top + grid_.spacingY;
    for (const GroupRows& measured : MeasureGroups(rows, width, room < 0 ? -1 : std::max(0, room - top))) {
        Box& group = *measured.box;
        int groupTop = measured.end > measured.first ? rows.tops[measured.first] : bottom - top;
        size_t next = measured.first;
        for (const std::unique_ptr<Box>& row : group.children) {
            if (StateOf(*row).kind != BoxKind::Row || next >= measured.end)
                continue;
            ResolveEdges(*row, width);
            row->frame = { 0, rows.tops[next] - groupTop, width - 2 * grid_.spacingX, rows.heights[next] };
            ++next;
        }
        int height = measured.height, rowsHeight = measured.rowsHeight;
        group.frame = { left + grid_.spacingX, origin + top + groupTop, width - 2 * grid_.spacingX, height };
        if (group.scroll) {
            ScrollState& scroll = *group.scroll;
            scroll.content = { group.frame.width, rowsHeight };
            scroll.verticalBar = rowsHeight > height && group.style->overflowY != Overflow::Hidden;
            scroll.port = { group.frame.width - (scroll.verticalBar ? kScrollbarSize : 0), height };
            scroll.offset.y = std::min(scroll.offset.y, scroll.MaxOffset().y);
        }
        bottom = std::max(bottom, top + groupTop + height + grid_.spacingY);
        // Later rows move up by what this group does not show.
        if (rowsHeight > height)
            for (size_t r = measured.end; r < rows.tops.size(); ++r)
                rows.tops[r] -= rowsHeight - height;
    }
    return bottom - top;
}

int TableLayouter::LayoutCaptions(int width)
{
    int left = table_.border.left + table_.padding.left, top = table_.border.top + table_.padding.top;
    int y = 0;
    for (const std::unique_ptr<Box>& caption : table_.children) {
        if (StateOf(*caption).kind != BoxKind::Caption)
            continue;
        LayoutBox(*caption, { width, -1 }, context_);
        PlaceBox(*caption, left + caption->margin.left, top + y + caption->margin.top, { width, -1 });
        y += caption->frame.height + caption->margin.Vertical();
    }
    return y;
}

bool TableLayouter::AnyGroupScrollbar() const
{
    for (const std::unique_ptr<Box>& group : table_.children)
        if (group->scroll && group->scroll->verticalBar)
            return true;
    return false;
}

void TableLayouter::Run(Containing containing, ForcedSize forced)
{
    StateOf(table_).firstBaseline = -1;
    int width = ContentWidth(containing, forced);
    int columnsWidth = std::max(0, width - grid_.Spacing(int(grid_.columns.size())));
    widths_ = DistributeWidths(grid_, columnsWidth);
    table_.frame.width = width + HorizontalChrome(table_);
    int top = LayoutCaptions(width);
    int specified = SpecifiedHeight(containing, forced);
    int room = specified >= 0 ? ClampContentHeight(table_, specified, containing.height) : -1;
    Rows rows;
    int rowsHeight = 0;
    for (int pass = 0; pass < 2; ++pass) {
        LayoutCells();
        rows = RowHeights();
        rowsHeight = grid_.rows.empty() ? 0 : PlaceGroups(rows, top, width, room);
        if (pass == 1 || widths_.empty() || !AnyGroupScrollbar())
            break;
        // No cell may lie under a scrolling row group's bar: an auto-width table grows by it, a
        // table with a width shares what is left beside it among its columns again.
        if (table_.style->width.IsAuto() && forced.width < 0) {
            width += kScrollbarSize;
            table_.frame.width += kScrollbarSize;
        } else {
            widths_ = DistributeWidths(grid_, std::max(0, columnsWidth - kScrollbarSize));
        }
    }
    AlignCells(rows);
    int height = std::max(top + rowsHeight, specified);
    if (table_.scroll && specified >= 0)
        height = SettleOwnScroll(top + rowsHeight, room);
    table_.frame.height = ClampContentHeight(table_, height, containing.height) + VerticalChrome(table_);
    if (!grid_.cells.empty())
        StateOf(table_).firstBaseline =
            table_.border.top + table_.padding.top + top + rows.tops[0] + CellBaseline(*grid_.cells.front().box);
}

// The table's content height, forced or specified; -1 for auto.
int TableLayouter::SpecifiedHeight(Containing containing, ForcedSize forced) const
{
    return forced.height >= 0 ? forced.height - VerticalChrome(table_)
                              : SpecifiedContentHeight(table_, containing.height);
}

// A table with a height and overflow scrolls its own rows, as a row group would: it keeps the
// specified height and its bar lies over the last column's right edge.
int TableLayouter::SettleOwnScroll(int contentHeight, int visibleHeight)
{
    ScrollState& scroll = *table_.scroll;
    Size padding = { table_.frame.width - table_.border.Horizontal(), visibleHeight + table_.padding.Vertical() };
    scroll.content = { padding.width, contentHeight + table_.padding.Vertical() };
    scroll.verticalBar = table_.style->overflowY == Overflow::Scroll ||
                         (table_.style->overflowY == Overflow::Auto && scroll.content.height > padding.height);
    scroll.horizontalBar = table_.style->overflowX == Overflow::Scroll;
    scroll.port = { std::max(0, padding.width - (scroll.verticalBar ? kScrollbarSize : 0)),
                    std::max(0, padding.height - (scroll.horizontalBar ? kScrollbarSize : 0)) };
    Point maximum = scroll.MaxOffset();
    scroll.offset = { std::min(scroll.offset.x, maximum.x), std::min(scroll.offset.y, maximum.y) };
    return visibleHeight;
}

}  // namespace

void LayoutTable(Box& table, Containing containing, LayoutContext& context, ForcedSize forced)
{
    table.lines.clear();
    table.runs.clear();
    table.fragments.clear();
    TableLayouter(table, context).Run(containing, forced);
}

Intrinsic TableIntrinsicWidths(Box& table, LayoutContext& context)
{
    const TableGrid& grid = MemoryOf(table, context).grid;
    Intrinsic columns = ColumnTotals(grid);
    int spacing = grid.Spacing(int(grid.columns.size())), chrome = HorizontalChrome(table);
    int captions = CaptionsMinimum(table, context);
    return { std::max(columns.min + spacing, captions) + chrome, std::max(columns.max + spacing, captions) + chrome };
}

}  // namespace htmlengine
