#pragma once
// The table of missing customers, jobs, employees and service items that the missing-data
// dialog and the preview's "Missing Items" tab share: its rows, its check boxes, and the run
// that creates the checked items in QuickBooks one by one.
#include <windows.h>

#include <string>
#include <vector>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "app/missing/MissingItem.h"
#include "app/missing/MissingItemsCreationRun.h"
#include "ui/toolkit/Element.h"

class MainModel;
class MarkupWriter;

namespace Quorvane {
class EmployeeDiff;
}

class MissingItemsTable : private Quorvane::ICreationListener {
public:
    // The dialog's table also lists the related employees, gives its cells widths and marks
    // every row's "rowselect"; the tab's does none of these.
    enum Layout { DialogLayout, TabLayout };

    MissingItemsTable(const boost::shared_ptr<MainModel>& model, Layout layout);
    // A run still going stops after its current item and reports to nobody.
    ~MissingItemsTable();

    // Sorted here; one row each.
    void SetStatuses(const boost::shared_ptr<Quorvane::MissingItemStatusList>& statuses);
    bool IsEmpty() const { return m_statuses->empty(); }

    void BuildMissingItemsTable(const htmlayout::dom::element& root) const;
    // In place of the rows, that the items could not be listed and what to do; the table then
    // holds no item.
    void ShowUnavailable(const htmlayout::dom::element& root);
    // Enabled while at least one row is checked.
    void UpdateCreateButton(const htmlayout::dom::element& root) const;

    // Called on the UI thread when a run ends: true when every checked item was handled.
    typedef boost::function<void(bool completed)> RunEnded;

    // Creates the checked items of the window's page in table order, off the UI thread, and
    // removes each created row; the row being created and the count so far show meanwhile. At
    // the first failure the run stops with that row unchecked and the error panel up; starting
    // again goes on with the rows still checked. diff: the preview of the employee the items
    // are for, or null for several employees.
    void StartCreation(HWND window, const boost::shared_ptr<Quorvane::EmployeeDiff>& diff, const RunEnded& ended);
    bool IsCreating() const { return static_cast<bool>(m_run); }
    // Whether the window may close now: while a run goes the user is asked, and on yes the run
    // stops after its current item and the window closes once it has ended.
    bool MayCloseWindow();
    // True once a run created at least one item.
    bool HasCreatedItems() const { return m_createdItems; }

private:
    struct CheckedRow {
        htmlayout::dom::element row;
        boost::shared_ptr<Quorvane::MissingItem> item;
    };

    void OnItemStarted(size_t index) override;
    void OnItemDone(size_t index, int code) override;
    void OnRunEnded() override;
    htmlayout::dom::element Root() const;

    void ShowMessage(htmlayout::dom::element tbody, const wchar_t* cssClass, const std::wstring& text) const;
    void WriteRow(const Quorvane::MissingItemStatus& status, MarkupWriter& markup) const;
    void OpenCell(const wchar_t* width, MarkupWriter& markup) const;
    std::vector<CheckedRow> GetCheckedItems(const htmlayout::dom::element& root) const;
    void ShowCreationError(const htmlayout::dom::element& root, int code, const Quorvane::MissingItem& item,
                           const boost::shared_ptr<Quorvane::EmployeeDiff>& diff) const;

    boost::shared_ptr<MainModel> m_model;
    Layout m_layout;
    boost::shared_ptr<Quorvane::MissingItemStatusList> m_statuses;
    bool m_createdItems;
    // The run going, with its window, rows, employee and whether an item failed; none between runs.
    boost::shared_ptr<Quorvane::MissingItemsCreationRun> m_run;
    HWND m_window;
    std::vector<CheckedRow> m_runRows;
    boost::shared_ptr<Quorvane::EmployeeDiff> m_runDiff;
    bool m_runFailed;
    bool m_closeAfterRun;
    RunEnded m_ended;
};

// The focus on the first row's box that can be checked, else on the page's first control.
void FocusFirstMissingItem(const htmlayout::dom::element& root);

// Reads a row: its check box, the status and kind of its status span and its name. False when
// the row lacks any of them.
bool ReadMissingItemRow(const htmlayout::dom::element& row, bool& checked, int& statusId, int& missType,
                        std::wstring& name);

// After the user changed a row's box: checking checks the rows of its parents, unchecking
// unchecks the rows below it, within its family; rows that cannot be created never follow.
void CheckMissingItemRow(const htmlayout::dom::element& root, const htmlayout::dom::element& box);
