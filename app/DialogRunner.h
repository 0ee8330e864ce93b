#pragma once
// Runs the settings, preview and missing-data dialogs modally on the UI thread. The dialogs
// install their runner at start-up; without one, every dialog ends as a dialog whose page could
// not be found does: not confirmed, nothing changed.
#include <windows.h>

#include <string>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {
class Config;
}

// Settings tabs the controller may open first; the values are the settings dialog's tab numbers.
// Scoped, so that its names stay clear of the dialog's tab classes.
enum class SettingsTab {
    Default = 0,
    AutoCreation = 1,
    ImportSettings = 2,
    EmployeeMapping = 3,
    LeavePayroll = 4,
    WorkingTimePayroll = 5
};

class IDialogRunner {
public:
    virtual ~IDialogRunner() {}
    // The edited copy of the model's settings when the user confirmed, null otherwise.
    virtual boost::shared_ptr<Quorvane::Config> RunSettings(HWND owner, const boost::shared_ptr<MainModel>& model,
                                                            SettingsTab initialTab) = 0;
    // True when the dialog changed data.
    virtual bool RunPreview(HWND owner, const boost::shared_ptr<MainModel>& model, const std::wstring& employeeId,
                            bool workingLeaveTimeTab) = 0;
    virtual bool RunMissingData(HWND owner, const boost::shared_ptr<MainModel>& model) = 0;
};

// Null removes the runner. The runner must outlive every dialog it runs.
void SetDialogRunner(IDialogRunner* runner);
IDialogRunner& GetDialogRunner();
