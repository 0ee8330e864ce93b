#pragma once
// The modal "Missing Data" dialog: every customer, job, employee and service item QuickBooks
// lacks for the employees the import will take, with the creation of the checked ones.
#include <boost/shared_ptr.hpp>

#include "ui/dialogs/details/MissingItemsTable.h"
#include "ui/toolkit/Dialog.h"

class MissingDataDialog : public htmlayout::dialog {
public:
    // Collects and validates the items here, before the window exists; when that fails, the
    // dialog opens all the same and says why in place of the list.
    MissingDataDialog(HWND parent, const boost::shared_ptr<MainModel>& model);

    // True after any creation was started; the caller then saves the settings.
    bool IsDataChanged() const { return m_dataChanged; }
    // While items are being created in QuickBooks.
    bool IsCreatingItems() const { return m_table.IsCreating(); }

    LRESULT on_document_complete() override;
    bool handle_scripting_call(HELEMENT he, XCALL_PARAMS& params) override;
    LRESULT on_get_min_max_info(MINMAXINFO* info) override;
    // Not while items are being created, unless the user agrees to stop.
    bool can_close() override;

private:
    boost::shared_ptr<MainModel> m_model;
    MissingItemsTable m_table;
    // The items could not be collected; the connector log tells why.
    bool m_listingFailed;
    bool m_dataChanged;
};
