#pragma once
// A main window that records every call with its arguments and the thread that made it.
#include <windows.h>

#include <string>
#include <vector>

#include <boost/function.hpp>

#include "app/IMainView.h"
#include "core/CriticalSection.h"

class FakeMainView : public IMainView {
public:
    FakeMainView() : m_uiThread(GetCurrentThreadId()), m_wrongThreadCalls(0) {}

    void Run(bool show) override;
    void ShowLoginPanel(const ConnectionOptions& options, const std::wstring& caption,
                        const std::wstring& error) override;
    void HideLoginPanel() override { Record("HideLoginPanel"); }
    void ResetImportProgress() override { Record("ResetImportProgress"); }
    void ShowImportProgress() override { Record("ShowImportProgress"); }
    void HideImportProgress() override { Record("HideImportProgress"); }
    void SetImportProgress(int done, int total) override;
    void SetImportedWorkingTime(int minutes) override;
    void SetImportedLeaveTime(int minutes) override;
    void SetImportComment(const std::wstring& comment) override { Record("SetImportComment", comment); }
    void ShowImportSucceeded() override { Record("ShowImportSucceeded"); }
    void ShowImportFailed(const std::wstring& message) override { Record("ShowImportFailed", message); }
    void OnImportStarted() override { Record("OnImportStarted"); }
    void OnImportFinished() override { Record("OnImportFinished"); }
    void ShowSiteWasChanged(const std::wstring& url) override { Record("ShowSiteWasChanged", url); }
    void ShowMappingProblems() override { Record("ShowMappingProblems"); }
    void SetDataLoadProgress(const std::wstring& caption, int percent) override;
    void RefreshSummary() override { Record("RefreshSummary"); }
    void ShowQuickBooksProblem(const std::wstring& caption, const std::wstring&) override
    {
        Record("ShowQuickBooksProblem", caption);
    }
    void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                   const std::wstring& furtherActions, const std::wstring& customValue, int buttons) override;
    void ShowAbsentTimeTrack(bool conflicts) override { Record("ShowAbsentTimeTrack", conflicts ? "true" : "false"); }
    void SetDateRange(const Quorvane::DateRange& range) override;
    void SetFirstDayOfWeek(int day) override;
    HWND GetHwnd() override { return NULL; }
    void SetNotification(boost::shared_ptr<IMainViewNotification> notification) override
    {
        m_notification = notification;
    }
    boost::shared_ptr<IMainViewNotification> GetNotification() override { return m_notification; }
    void SetModel(boost::shared_ptr<MainModel> model) override { m_model = model; }
    boost::shared_ptr<MainModel> GetModel() override { return m_model; }

    // What the user does while the message loop runs.
    boost::function<void(FakeMainView&)> whileRunning;

    // "Name(argument, ...)" per call, in the order the calls ran.
    std::vector<std::string> Calls();
    // The calls not seen by an earlier Take.
    std::vector<std::string> Take();
    // Calls that did not run on the thread that made the view.
    int WrongThreadCalls();

private:
    void Record(const std::string& name, const std::string& arguments = std::string());
    void Record(const std::string& name, const std::wstring& argument);

    boost::shared_ptr<IMainViewNotification> m_notification;
    boost::shared_ptr<MainModel> m_model;
    const DWORD m_uiThread;
    Quorvane::CriticalSection m_lock;
    std::vector<std::string> m_calls;
    size_t m_taken = 0;
    int m_wrongThreadCalls;
};

// The test thread acting as the UI thread: waits alertably, as the main window's loop does, so
// that calls posted to it run, until `done` holds or the time is up.
bool PumpUntil(const boost::function<bool()>& done, DWORD milliseconds = 10000);
// Pumps for a while, for checks that nothing more arrives.
void PumpFor(DWORD milliseconds);
