#pragma once
// A main window that shows nothing: the benchmark measures the import, not the view.
#include "app/IMainView.h"

class SilentView : public IMainView {
public:
    void OnImportStarted() {}
    void OnImportFinished() {}
    void ShowError(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                   const std::wstring&, int) {}
    void ResetImportProgress() {}
    void ShowImportProgress() {}
    void HideImportProgress() {}
    void SetImportProgress(int, int) {}
    void SetImportedWorkingTime(int) {}
    void SetImportedLeaveTime(int) {}
    void SetImportComment(const std::wstring&) {}
    void ShowImportSucceeded() {}
    void ShowImportFailed(const std::wstring&) {}
    void ShowAbsentTimeTrack(bool) {}
    void Run(bool) {}
    void ShowLoginPanel(const ConnectionOptions&, const std::wstring&, const std::wstring&) {}
    void HideLoginPanel() {}
    void ShowSiteWasChanged(const std::wstring&) {}
    void ShowMappingProblems() {}
    void SetDataLoadProgress(const std::wstring&, int) {}
    void RefreshSummary() {}
    void ShowQuickBooksProblem(const std::wstring&, const std::wstring&) {}
    void SetDateRange(const Quorvane::DateRange&) {}
    void SetFirstDayOfWeek(int) {}
    HWND GetHwnd() { return NULL; }
    void SetNotification(boost::shared_ptr<IMainViewNotification>) {}
    boost::shared_ptr<IMainViewNotification> GetNotification() { return boost::shared_ptr<IMainViewNotification>(); }
    void SetModel(boost::shared_ptr<MainModel>) {}
    boost::shared_ptr<MainModel> GetModel() { return boost::shared_ptr<MainModel>(); }
};
