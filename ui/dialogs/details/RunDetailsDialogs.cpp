#include "ui/dialogs/details/RunDetailsDialogs.h"

#include "ui/dialogs/details/DetailsDialog.h"
#include "ui/dialogs/details/MissingDataDialog.h"
#include "ui/toolkit/PageResources.h"

namespace {

const int kPreviewPage = 136;
const int kMissingDataPage = 139;

// A page that cannot be loaded shows no dialog.
int ShowModalDialog(htmlayout::dialog& dialog, int pageId)
{
    const unsigned char* page = nullptr;
    UINT size = 0;
    if (!LoadHtmlResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pageId), &page, &size))
        return 0;
    return dialog.do_modal(page, size);
}

}  // namespace

bool RunPreviewDialog(HWND owner, const boost::shared_ptr<MainModel>& model, const std::wstring& employeeId,
                      bool workingLeaveTimeTab)
{
    DetailsDialog dialog(owner, model);
    dialog.SetEmployeeId(employeeId);
    dialog.SetOpenWorkingLeaveTimeTab(workingLeaveTimeTab);
    ShowModalDialog(dialog, kPreviewPage);
    return dialog.IsDataChanged();
}

bool RunMissingDataDialog(HWND owner, const boost::shared_ptr<MainModel>& model)
{
    MissingDataDialog dialog(owner, model);
    ShowModalDialog(dialog, kMissingDataPage);
    return dialog.IsDataChanged();
}
