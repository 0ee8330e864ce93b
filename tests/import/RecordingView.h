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

    void OnImportStarted() override { Record(L"OnImportStarted"); }
    void OnImportFinished() override { Record(L"OnImportFinished"); }
    void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                   const std::wstring& furtherActions, const std::wstring& customValue, int buttons) override;
    void ResetImportProgress() override { Record(L"ResetImportProgress"); }
    void ShowImportProgress() override { Record(L"ShowImportProgress"); }
    void HideImportProgress() override { Record(L"HideImportProgress"); }
    void SetImportProgress(int done, int total) override;
    void SetImportedWorkingTime(int minutes) override { Record(L"SetImportedWorkingTime " + std::to_wstring(minutes)); }
    void SetImportedLeaveTime(int minutes) override { Record(L"SetImportedLeaveTime " + std::to_wstring(minutes)); }
    void SetImportComment(const std::wstring& comment) override { Record(L"SetImportComment " + comment); }
    void ShowImportSucceeded() override { Record(L"ShowImportSucceeded"); }
    void ShowImportFailed(const std::wstring& message) override { Record(L"ShowImportFailed " + message); }
    void ShowAbsentTimeTrack(bool billedConflicts) override;

    // The rest of the window, which the import never uses.
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

private:
    void Record(const std::wstring& call);

    mutable Quorvane::CriticalSection m_lock;
    std::vector<std::wstring> m_calls;
};
