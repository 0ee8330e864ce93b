#pragma once
// The preview dialog's "Missing Items" tab: what QuickBooks lacks for the chosen employee, with
// the creation of the checked items. The tab hides itself while nothing is missing, and says
// why when the items cannot be listed.
#include <boost/shared_ptr.hpp>

#include "ui/dialogs/details/ITabController.h"
#include "ui/dialogs/details/MissingItemsTable.h"

class MissingItemsTab : public ITabController {
public:
    explicit MissingItemsTab(const boost::shared_ptr<MainModel>& model);

    std::wstring GetId() override { return L"idMissingItems_Tab"; }
    void Build(htmlayout::dom::element root) override;
    bool OnScriptCall(HWND dialog, HELEMENT he, const char* name, UINT argc, json::value* argv) override;
    // True once the tab created an item in QuickBooks.
    bool IsDataChanged() override { return m_table.HasCreatedItems(); }
    // Not while items are being created, unless the user agrees to stop.
    bool MayCloseWindow() { return m_table.MayCloseWindow(); }
    bool IsCreating() const { return m_table.IsCreating(); }

private:
    void BuildMissingItemsTable(const htmlayout::dom::element& root);
    void ShowTabPanels(const htmlayout::dom::element& root) const;
    void CreateCheckedItems(HWND dialog);
    void ResumeCreation(HWND dialog);
    void OnCreationEnded(HWND dialog, bool completed);
    void SaveSettings() const;

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Quorvane::EmployeeDiff> m_diff;  // of the chosen employee; null when none
    MissingItemsTable m_table;
    bool m_unavailable;  // the chosen employee's items could not be listed
};
