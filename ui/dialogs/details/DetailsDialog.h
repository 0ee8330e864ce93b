#pragma once
// The modal "Preview Import Results" dialog: for one server user at a time, what the import
// will do (the working and leave time tab) and what QuickBooks lacks for it (the missing items
// tab); a list switches the user.
#include <string>

#include <boost/shared_ptr.hpp>

#include "ui/dialogs/details/TabCollection.h"
#include "ui/toolkit/Dialog.h"

class MainModel;
class MissingItemsTab;

class DetailsDialog : public htmlayout::dialog {
public:
    DetailsDialog(HWND parent, const boost::shared_ptr<MainModel>& model);

    // The server user shown first; the first one of the list when empty, nobody when not listed.
    void SetEmployeeId(const std::wstring& id) { m_employeeId = id; }
    // False opens on the missing items, when there are any.
    void SetOpenWorkingLeaveTimeTab(bool open) { m_openWorkingLeaveTimeTab = open; }
    // True once a tab changed QuickBooks data; the caller then saves and reloads.
    bool IsDataChanged() const;
    // While the missing items tab creates items in QuickBooks.
    bool IsCreatingItems() const;

    LRESULT on_document_complete() override;
    bool handle_scripting_call(HELEMENT he, XCALL_PARAMS& params) override;
    LRESULT on_get_min_max_info(MINMAXINFO* info) override;
    // Not while the missing items tab creates items, unless the user agrees to stop.
    bool can_close() override;

private:
    void CreateTabs();
    void ChooseInitialTab(const htmlayout::dom::element& root);

    boost::shared_ptr<MainModel> m_model;
    TabCollection m_tabs;
    boost::shared_ptr<MissingItemsTab> m_missingItems;  // also in m_tabs
    std::wstring m_employeeId;
    bool m_openWorkingLeaveTimeTab;
    bool m_dataChanged;
};
