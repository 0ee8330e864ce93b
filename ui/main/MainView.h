#pragma once
// The main window's view: IMainView for the controller, and the event handler of the window's
// page. It keeps no element handles: every operation finds what it changes afresh from the
// document's root, and a missing element makes it do nothing.
#include <windows.h>

#include <string>

#include <boost/shared_ptr.hpp>

#include "app/IMainView.h"
#include "app/IMainViewNotification.h"
#include "ui/toolkit/Element.h"
#include "ui/toolkit/EventHandler.h"

class MainModel;
struct PreviewSummary;

class MainView : public IMainView, public htmlayout::event_handler {
public:
    MainView();
    ~MainView() override;

    // Loads the title and class name, registers the class and creates the window.
    void InitInstance(HINSTANCE instance, int showCommand);

    // ---- IMainView
    void Run(bool show) override;
    void ShowLoginPanel(const ConnectionOptions& options, const std::wstring& caption,
                        const std::wstring& error) override;
    void HideLoginPanel() override;
    void ResetImportProgress() override;
    void ShowImportProgress() override;
    void HideImportProgress() override;
    void SetImportProgress(int done, int total) override;
    void SetImportedWorkingTime(int minutes) override;
    void SetImportedLeaveTime(int minutes) override;
    void SetImportComment(const std::wstring& comment) override;
    void ShowImportSucceeded() override;
    void ShowImportFailed(const std::wstring& message) override;
    void OnImportStarted() override;
    void OnImportFinished() override;
    void ShowSiteWasChanged(const std::wstring& url) override;
    void ShowMappingProblems() override;
    void SetDataLoadProgress(const std::wstring& caption, int percent) override;
    void RefreshSummary() override;
    boost::shared_ptr<PreparedSummary> PrepareSummary(const boost::shared_ptr<MainModel>& model) override;
    void ShowPreparedSummary(const boost::shared_ptr<PreparedSummary>& prepared) override;
    void ShowQuickBooksProblem(const std::wstring& caption, const std::wstring& description) override;
    void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                   const std::wstring& furtherActions, const std::wstring& customValue, int buttons) override;
    void ShowAbsentTimeTrack(bool conflicts) override;
    void SetDateRange(const Quorvane::DateRange& range) override;
    void SetFirstDayOfWeek(int day) override;
    HWND GetHwnd() override { return m_window; }
    void SetNotification(boost::shared_ptr<IMainViewNotification> notification) override;
    boost::shared_ptr<IMainViewNotification> GetNotification() override { return m_notification; }
    void SetModel(boost::shared_ptr<MainModel> model) override;
    boost::shared_ptr<MainModel> GetModel() override { return m_model; }

    virtual void SetHwnd(HWND window) { m_window = window; }
    virtual HINSTANCE GetInstance() { return m_instance; }
    virtual void SetInstance(HINSTANCE instance) { m_instance = instance; }

    // ---- the page's events and script calls
    // Button clicks by the target's id (or name), hyperlink clicks and a period date's
    // refused text; nothing else.
    bool on_event(HELEMENT he, HELEMENT target, UINT event_code, UINT_PTR reason) override;
    // The page's script calls by name; an unknown name or a wrong argument count is not handled.
    bool on_script_call(HELEMENT he, const char* name, UINT argc, json::value* argv, json::value& retval) override;
    // Escape on a panel (Keyboard.cpp).
    bool on_key(HELEMENT he, HELEMENT target, UINT eventType, UINT key, UINT keyboardState) override;
    // Remembers what had the focus, to give it back after a load.
    bool on_focus(HELEMENT he, HELEMENT target, UINT eventType) override;

    // ---- what the window procedure asks of the view
    LRESULT OnLoadData(LOAD_DATA_NOTIFICATION* notification);
    void OnStartLoading();
    void OnCloseRequested();
    // "Stop import and exit": the import is asked to stop and the program quits once it ended.
    void CloseConfirmed();
    // The view stops being the page's handler; the window no longer reaches it.
    void DetachFromWindow();

    // Whether an import runs, as the close confirmation and the double-import guard see it.
    bool IsImportRunning() const { return m_importRunning; }

private:
    htmlayout::dom::element Root() const;
    // The controller, or a sink that ignores everything while none is set.
    boost::shared_ptr<IMainViewNotification> Sink() const;
    void ShowView(int view);
    // Settings, Import History, Review Missing Data and Import Selected, while no data can be used.
    void DisableToolbar();

    void StartImportClicked(bool checkAbsent);
    void ReviewMissingDataClicked();
    bool OnButtonClick(const htmlayout::dom::element& target);
    bool OnHyperlinkClick(const htmlayout::dom::element& target);
    void ConnectFromLoginPanel();
    void OpenUserGuide();
    bool ShowDetailsForEmployee(const std::wstring& rowId, bool workingTime);
    bool EmployeeSelected(const std::wstring& rowId, bool selected);
    void ReturnToPreview();
    void ProcessWithDeletion(const std::wstring& choice);
    void StopImportClicked();
    void CloseProgressPanel(bool openLog);
    void CloseErrorPanel(const std::wstring& marker, bool openLog);
    void SelectRows(int mode);
    void UpdateTotals();

    // A legend icon's explanation, opened by a click or Enter; a second one closes it.
    void ShowExplanation(const htmlayout::dom::element& icon);
    void RefocusReplacedRow();
    void FocusDefaultButton(const char* id);
    // The progress panel, reset, shown before the run that the question's answer starts shows it.
    void ShowImportProgressAhead();

    void UpdateImportButton();
    void UpdateEmployeeSelectHint(const PreviewSummary& preview);
    void UpdateSelectionTotals();
    void UpdateTotalTable(int mode);
    void UpdateMissingDataButton();
    void UpdateMissingDataButton(const PreviewSummary& preview);
    void ResetSortIndicator();
    void DateRangeUpdated();
    // A period date typed that is no date: the box shows its last date again; this says why.
    void DateTextRefused(const htmlayout::dom::element& input);
    // Puts the period in force back into the date-range box after a refused edit.
    void ShowPeriodInForce();

    HINSTANCE m_instance;
    HWND m_window;
    boost::shared_ptr<IMainViewNotification> m_notification;
    boost::shared_ptr<MainModel> m_model;

    bool m_importRunning;
    bool m_closeRequested;
    bool m_absentTimeTrackShown;
    // The absent-time-track question was answered before the run that asked had ended.
    bool m_proceedPending;
    // The progress panel shows ahead of its run, which has not shown it yet.
    bool m_progressAhead;
    // The id of the element outside the panels that had the focus last; empty when it has none.
    std::wstring m_lastFocusId;
};

// The id attribute, else the name attribute, else the empty text.
std::wstring GetElementIdOrName(HELEMENT element);
