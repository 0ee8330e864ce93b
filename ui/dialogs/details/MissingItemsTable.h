#pragma once
// The table of missing customers, jobs, employees and service items that the missing-data
// dialog and the preview's "Missing Items" tab share: its rows, its check boxes, and the run
// that creates the checked items in QuickBooks one by one.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "app/missing/MissingItem.h"
#include "ui/toolkit/Element.h"

class MainModel;
class MarkupWriter;

namespace Quorvane {
class EmployeeDiff;
}

class MissingItemsTable {
public:
    // The dialog's table also lists the related employees, gives its cells widths and marks
    // every row's "rowselect"; the tab's does none of these.
    enum Layout { DialogLayout, TabLayout };

    MissingItemsTable(const boost::shared_ptr<MainModel>& model, Layout layout);

    // Sorted here; one row each.
    void SetStatuses(const boost::shared_ptr<Quorvane::MissingItemStatusList>& statuses);
    bool IsEmpty() const { return m_statuses->empty(); }

    void BuildMissingItemsTable(const htmlayout::dom::element& root) const;
    // Enabled while at least one row is checked.
    void UpdateCreateButton(const htmlayout::dom::element& root) const;

    // Creates the checked items in table order and removes each created row. At the first
    // failure the run stops with that row unchecked and the error panel up; calling this again
    // goes on with the rows still checked. True when every checked item was handled.
    // diff: the preview of the employee the items are for, or null for several employees.
    bool OnCreateMissingDataClick(const htmlayout::dom::element& root,
                                  const boost::shared_ptr<Quorvane::EmployeeDiff>& diff);
    // True once a run created at least one item.
    bool HasCreatedItems() const { return m_createdItems; }

private:
    struct CheckedRow {
        htmlayout::dom::element row;
        boost::shared_ptr<Quorvane::MissingItem> item;
    };

    void WriteRow(const Quorvane::MissingItemStatus& status, MarkupWriter& markup) const;
    void OpenCell(const wchar_t* width, MarkupWriter& markup) const;
    std::vector<CheckedRow> GetCheckedItems(const htmlayout::dom::element& root) const;
    int Create(const boost::shared_ptr<Quorvane::MissingItem>& item) const;
    void ShowCreationError(const htmlayout::dom::element& root, int code, const Quorvane::MissingItem& item,
                           const boost::shared_ptr<Quorvane::EmployeeDiff>& diff) const;

    boost::shared_ptr<MainModel> m_model;
    Layout m_layout;
    boost::shared_ptr<Quorvane::MissingItemStatusList> m_statuses;
    bool m_createdItems;
};

// Reads a row: its check box, the status and kind of its status span and its name. False when
// the row lacks any of them.
bool ReadMissingItemRow(const htmlayout::dom::element& row, bool& checked, int& statusId, int& missType,
                        std::wstring& name);

// After the user changed a row's box: checking checks the rows of its parents, unchecking
// unchecks the rows below it, within its family; rows that cannot be created never follow.
void CheckMissingItemRow(const htmlayout::dom::element& root, const htmlayout::dom::element& box);
