// The dialogs the controller runs modally on the UI thread.
#include "app/MainController.h"

#include "app/MainModel.h"
#include "app/MappingChecks.h"

using namespace Quorvane;

namespace {

void ShowWaitCursor()
{
    SetCursor(LoadCursorW(NULL, IDC_WAIT));
}

// The summary's rows are built unticked: the selection is emptied with them, as a load does, so
// the boxes, the footer and what Import Selected takes stay one.
void ClearSelection(Config& config)
{
    config.GetSelectedEmployees()->clear();
}

void CarryPassword(Config& edited, Config& old)
{
    Config::ConnectionOptions options = *edited.GetConnectionOptions();
    options.password = old.GetConnectionOptions()->password;
    edited.SetConnectionOptions(options);
}

}  // namespace

// The first failing mapping check decides where the settings open.
SettingsTab MainController::FirstSettingsTab()
{
    const MainModel& model = *m_model;
    const Config& config = *model.GetConfig();
    if (!IsCustomerJobMappingValid(config))
        return SettingsTab::ImportSettings;
    if (HasEmployeeMappingProblems(model, config))
        return SettingsTab::EmployeeMapping;
    if (HasLeaveTypeMappingProblems(model, config))
        return SettingsTab::LeavePayroll;
    if (HasWorkingTimePayrollMappingProblems(model, config))
        return SettingsTab::WorkingTimePayroll;
    return SettingsTab::Default;
}

void MainController::OpenSettings()
{
    boost::shared_ptr<Config> old = m_model->GetConfig();
    if (!old || IsImportGoingOn())
        return;
    ShowWaitCursor();
    boost::shared_ptr<Config> edited = GetDialogRunner().RunSettings(m_view->GetHwnd(), m_model, FirstSettingsTab());
    if (!edited)
        return;
    // Options that name the same connection keep the password the user did not retype; it goes
    // into the edited settings before they are saved, so a crash cannot lose it.
    const bool sameConnection = edited->GetConnectionOptions()->IsSameConnection(*old->GetConnectionOptions());
    if (sameConnection)
        CarryPassword(*edited, *old);
    m_model->SetConfig(edited);
    SaveSettings();
    m_view->SetDataLoadProgress(L"Preparing...", 0);
    if (sameConnection)
        StartLoad(false);
    else
        Connect(*edited->GetConnectionOptions(), false);
}

void MainController::ShowMissingData()
{
    if (!m_model->GetConfig() || IsImportGoingOn())
        return;
    if (!GetDialogRunner().RunMissingData(m_view->GetHwnd(), m_model))
        return;
    // The model holds what was created: the summary stops showing it as missing without a reload.
    ChangeSettings(&ClearSelection);
    m_view->RefreshSummary();
}

// A preview that changed a mapping is rebuilt from a fresh load, so it never shows stale pairs.
void MainController::ShowPreview(const std::wstring& employeeId, bool workingLeaveTimeTab)
{
    if (!m_model->GetConfig() || IsImportGoingOn())
        return;
    ShowWaitCursor();
    if (!GetDialogRunner().RunPreview(m_view->GetHwnd(), m_model, employeeId, workingLeaveTimeTab))
        return;
    KeepDialogChanges();
    ReloadData();
}
