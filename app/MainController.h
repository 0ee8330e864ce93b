#pragma once
// Turns what the user does in the main window into work: loads and imports on threads of
// their own, the settings, preview and missing-data dialogs on the UI thread, connection, site
// and date-range changes. Worker threads reach the window only by posting calls to the UI thread.
#include <windows.h>

#include <string>

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>

#include "app/DialogRunner.h"
#include "app/IMainController.h"
#include "app/IMainView.h"
#include "app/IMainViewNotification.h"
#include "app/LoadRunner.h"
#include "app/import/ImportLauncher.h"
#include "core/DateRange.h"

class MainModel;

namespace Quorvane {
class ImportRun;
}

class MainController : public IMainController, public IMainViewNotification, private boost::noncopyable {
public:
    // The thread that makes the controller is the UI thread: every post goes to it.
    // Throws std::invalid_argument for an empty view or model.
    MainController(const boost::shared_ptr<IMainView>& view, const boost::shared_ptr<MainModel>& model);

    void Show(bool show) override;

    void OpenSettings() override;
    void OpenImportHistory() override;
    void LoadData() override;
    void OpenLink(const std::wstring& url) override;
    void ReloadData() override;
    void ShowMissingData() override;
    void ShowPreview(const std::wstring& employeeId, bool workingLeaveTimeTab) override;
    void Connect(const ConnectionOptions& options, bool loginRequested) override;
    void ChangeDateRange(const Quorvane::DateRange& range) override;
    void StartImport(bool checkAbsent) override;
    void StopImport() override;
    void SelectEmployee(const std::wstring& id, bool selected) override;
    void InterruptChangingSite() override;
    void ChangeSite() override;
    void OpenImportLog() override;

    void StartLoad(bool loginRequested);
    // Throws OperationAbortedException when a newer load request is waiting.
    void CheckAbort();
    boost::shared_ptr<MainModel> GetModel() const { return m_model; }
    // Stops the load and the import (waiting a bounded time for each), then drops the view and the model.
    void ReleaseViewAndModel();
    // True when no load runs within the time; calls posted to this thread run meanwhile.
    bool WaitForLoadIdle(DWORD milliseconds);
    // True when no import runs within the time; calls posted to this thread run meanwhile.
    bool WaitForImportIdle(DWORD milliseconds);
    bool AreMappingsValid();
    // True while a load runs or is about to start.
    bool IsLoading() const;

private:
    // The load (LoadSequence.cpp, LoadFromServer.cpp). It works on a model of its own, `loaded`.
    void RunLoad(bool loginRequested);
    void LoadDataBody(bool loginRequested);
    boost::shared_ptr<MainModel> ConnectQuickBooks(boost::shared_ptr<Quorvane::Config>& connected);
    bool LoadData(const boost::shared_ptr<MainModel>& loaded);
    bool ConnectServer(MainModel& loaded);
    bool LoadServerData(MainModel& loaded, const Quorvane::DateRange& period);
    void LoadQuickBooksData(MainModel& loaded, const Quorvane::DateRange& period);
    Quorvane::DateRange RepairedPeriod(Quorvane::Config& config);
    void FinishLoad(MainModel& loaded);
    void BuildPreview(const boost::shared_ptr<MainModel>& loaded);
    bool InstallLoad(const MainModel& loaded, const boost::shared_ptr<Quorvane::Config>& connected);
    void ReportUnknownLeaveTypes(const MainModel& loaded);
    void RecoverFromWrongTimeRange();
    void ReportLoadFailure(const std::string& what);
    void ShowLoginPanelFromLoad(const MainModel& loaded, const std::wstring& caption, const std::wstring& error);

    // Posts one view call to the UI thread; after an abort nothing more is posted and the load ends.
    void PostFromLoad(const boost::function<void()>& call);
    void SaveSettings();
    // Settings change as a new object in the model, so that a load which copied the old one
    // knows its results are stale; then they are saved. Nothing happens before the first load.
    void ChangeSettings(const boost::function<void(Quorvane::Config&)>& change);
    // A dialog changed the model's settings in place: they are installed anew and saved.
    void KeepDialogChanges();
    SettingsTab FirstSettingsTab();
    bool IsImportStopRequested() const;
    // The progress panel covers the window while a run goes, and what would change the data
    // under it (a reload, the settings, the period, the preview and missing-data dialogs) is
    // refused even when asked for behind it, without waiting. A run that has just reported its
    // end is waited for.
    bool IsImportGoingOn() const;

    boost::shared_ptr<IMainView> m_view;
    boost::shared_ptr<MainModel> m_model;
    volatile LONG m_stopImport;
    DWORD m_uiThreadId;
    // The last import started; its log is the one the view opens.
    boost::shared_ptr<Quorvane::ImportRun> m_lastImport;
    Quorvane::ImportLauncher m_imports;
    // Last, so that it is destroyed first: no load outlives the members it uses.
    LoadRunner m_loads;
};
