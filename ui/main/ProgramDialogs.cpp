#include "ui/main/ProgramDialogs.h"

#include "ui/dialogs/details/RunDetailsDialogs.h"
#include "ui/dialogs/settings/RunSettingsDialog.h"

boost::shared_ptr<Quorvane::Config> ProgramDialogs::RunSettings(HWND owner, const boost::shared_ptr<MainModel>& model,
                                                                SettingsTab initialTab)
{
    return RunSettingsDialog(owner, model, initialTab);
}

bool ProgramDialogs::RunPreview(HWND owner, const boost::shared_ptr<MainModel>& model, const std::wstring& employeeId,
                                bool workingLeaveTimeTab)
{
    return RunPreviewDialog(owner, model, employeeId, workingLeaveTimeTab);
}

bool ProgramDialogs::RunMissingData(HWND owner, const boost::shared_ptr<MainModel>& model)
{
    return RunMissingDataDialog(owner, model);
}
