#pragma once
// The controller's dialog runner in the program: the real settings, preview and missing-data
// dialogs.
#include "app/DialogRunner.h"

class ProgramDialogs : public IDialogRunner {
public:
    boost::shared_ptr<Quorvane::Config> RunSettings(HWND owner, const boost::shared_ptr<MainModel>& model,
                                                    SettingsTab initialTab) override;
    bool RunPreview(HWND owner, const boost::shared_ptr<MainModel>& model, const std::wstring& employeeId,
                    bool workingLeaveTimeTab) override;
    bool RunMissingData(HWND owner, const boost::shared_ptr<MainModel>& model) override;
};
