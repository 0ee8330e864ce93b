#pragma once
// "grid": a table as a list with a current row, optional multiple selection ("multiple"),
// leading header rows ("fixedrows") and keyboard navigation. Rows are the table's children.
// All state lives in the document: row states current, checked and anchor.
#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/Element.h"

namespace htmlayout {

class grid : public behavior {
public:
    grid();

    bool on_mouse(HELEMENT he, HELEMENT target, UINT event_type, POINT pos, UINT buttons, UINT keyboard_state) override;
    bool on_key(HELEMENT he, HELEMENT target, UINT event_type, UINT key_code, UINT keyboard_state) override;
    // A click on a header row's cell; posts "header click" (0x81) with the cell's index.
    virtual void on_column_click(dom::element& table, dom::element& cell);

    static void checkall(dom::element& table, bool check);
    static void set_current_row(dom::element& table, dom::element& row, UINT keyboard_state, bool double_click,
                                bool smooth);
    static dom::element get_current_row(const dom::element& table);
    // The table's child that holds the element; null for a null element or one outside.
    static dom::element target_row(const dom::element& table, const dom::element& he);
    static int get_anchor_row_index(const dom::element& table);
    static void set_anchor_row(dom::element& table, int index);
    static void check_range(dom::element& table, int index, bool check);
    static bool is_multiple(const dom::element& table);
    static int get_fixed_rows(const dom::element& table);

protected:
    grid(UINT subscription, const char* name);
};

}  // namespace htmlayout
