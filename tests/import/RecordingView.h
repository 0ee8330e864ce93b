#pragma once
// Records every call the import makes on the main window, one line each, in order.
#include <string>
#include <vector>

#include "app/IMainView.h"
#include "core/CriticalSection.h"

class RecordingView : public IMainView {
public:
    std::vector<std::wstring> Calls() const;
    // The calls whose line starts with the prefix.
    std::vector<std::wstring> CallsStartingWith(const std::wstring& prefix) const;

    void OnImportStarted() { Record(L"OnImportStarted"); }
    void OnImportFinished() { Record(L"OnImportFinished"); }
    void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                   const std::wstring& furtherActions, const std::wstring& customValue, int buttons);
    void ResetImportProgress() { Record(L"ResetImportProgress"); }
    void ShowImportProgress() { Record(L"ShowImportProgress"); }
    void HideImportProgress() { Record(L"HideImportProgress"); }
    void SetImportProgress(int done, int total);
    void SetImportedWorkingTime(int minutes) { Record(L"SetImportedWorkingTime " + std::to_wstring(minutes)); }
    void SetImportedLeaveTime(int minutes) { Record(L"SetImportedLeaveTime " + std::to_wstring(minutes)); }
    void SetImportComment(const std::wstring& comment) { Record(L"SetImportComment " + comment); }
    void ShowImportSucceeded() { Record(L"ShowImportSucceeded"); }
    void ShowImportFailed(const std::wstring& message) { Record(L"ShowImportFailed " + message); }
    void ShowAbsentTimeTrack(bool billedConflicts);

    // The rest of the window, which the import never uses.
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

private:
    void Record(const std::wstring& call);

    mutable Quorvane::CriticalSection m_lock;
    std::vector<std::wstring> m_calls;
};
