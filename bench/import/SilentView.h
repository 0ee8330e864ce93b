#pragma once
// A main window that shows nothing: the benchmark measures the import, not the view.
#include "app/IMainView.h"

class SilentView : public IMainView {
public:
    void OnImportStarted() override {}
    void OnImportFinished() override {}
    void ShowError(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                   const std::wstring&, int) override
    {
    }
    void ResetImportProgress() override {}
    void ShowImportProgress() override {}
    void HideImportProgress() override {}
    void SetImportProgress(int, int) override {}
    void SetImportedWorkingTime(int) override {}
    void SetImportedLeaveTime(int) override {}
    void SetImportComment(const std::wstring&) override {}
    void ShowImportSucceeded() override {}
    void ShowImportFailed(const std::wstring&) override {}
    void ShowAbsentTimeTrack(bool) override {}
    void Run(bool) override {}
    void ShowLoginPanel(const ConnectionOptions&, const std::wstring&, const std::wstring&) override {}
    void HideLoginPanel() override {}
    void ShowSiteWasChanged(const std::wstring&) override {}
    void ShowMappingProblems() override {}
    void SetDataLoadProgress(const std::wstring&, int) override {}
    void RefreshSummary() override {}
    void ShowQuickBooksProblem(const std::wstring&, const std::wstring&) override {}
    void SetDateRange(const Quorvane::DateRange&) override {}
    void SetFirstDayOfWeek(int) override {}
    HWND GetHwnd() override { return NULL; }
    void SetNotification(boost::shared_ptr<IMainViewNotification>) override {}
    boost::shared_ptr<IMainViewNotification> GetNotification() override
    {
        return boost::shared_ptr<IMainViewNotification>();
    }
    void SetModel(boost::shared_ptr<MainModel>) override {}
    boost::shared_ptr<MainModel> GetModel() override { return boost::shared_ptr<MainModel>(); }
};
