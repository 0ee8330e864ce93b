#pragma once
// What the controller asks of the main window. The UI thread calls it directly; worker threads
// only post bound calls to the UI thread, except PrepareSummary, which touches no window.
//
// Every text parameter is either plain text or markup, as its comment says. Plain text is shown
// exactly as given (set as inner text, never escaped by its producer: "O'Hara & Co" arrives as
// typed). Markup is HTML built by its producer, which passes every dynamic piece (a name, an
// address, a title from QuickBooks) through HtmlEscape.
#include <windows.h>

#include <string>

#include <boost/shared_ptr.hpp>

#include "core/ConnectionOptions.h"
#include "core/DateRange.h"

class IMainViewNotification;
class MainModel;
class PreparedSummary;

class IMainView {
public:
    typedef Quorvane::Connectors::QVConnector::ConnectionOptions ConnectionOptions;

    virtual ~IMainView() {}
    // Shows the window and runs the UI thread's message loop until the window is destroyed.
    virtual void Run(bool show) = 0;
    // caption: plain text; error: markup. Both empty for a plain request to log in.
    virtual void ShowLoginPanel(const ConnectionOptions& options, const std::wstring& caption,
                                const std::wstring& error) = 0;
    virtual void HideLoginPanel() = 0;
    virtual void ResetImportProgress() = 0;
    virtual void ShowImportProgress() = 0;
    virtual void HideImportProgress() = 0;
    virtual void SetImportProgress(int done, int total) = 0;
    virtual void SetImportedWorkingTime(int minutes) = 0;
    virtual void SetImportedLeaveTime(int minutes) = 0;
    // comment: plain text.
    virtual void SetImportComment(const std::wstring& comment) = 0;
    virtual void ShowImportSucceeded() = 0;
    // The run ended with warnings; message: plain text.
    virtual void ShowImportFailed(const std::wstring& message) = 0;
    virtual void OnImportStarted() = 0;
    virtual void OnImportFinished() = 0;
    // url: plain text, the address as the user typed it.
    virtual void ShowSiteWasChanged(const std::wstring& url) = 0;
    virtual void ShowMappingProblems() = 0;
    // caption: plain text.
    virtual void SetDataLoadProgress(const std::wstring& caption, int percent) = 0;
    virtual void RefreshSummary() = 0;
    // From a worker, the model's lock not held: works out what the summary shows, so that the
    // UI thread only puts it in the window (null: the view works it out when it shows it).
    virtual boost::shared_ptr<PreparedSummary> PrepareSummary(const boost::shared_ptr<MainModel>&)
    {
        return boost::shared_ptr<PreparedSummary>();
    }
    // RefreshSummary with what PrepareSummary worked out, unless the model changed since.
    virtual void ShowPreparedSummary(const boost::shared_ptr<PreparedSummary>&) { RefreshSummary(); }
    // caption: plain text; description: markup, in which a "[Retry]" becomes the button that reloads.
    virtual void ShowQuickBooksProblem(const std::wstring& caption, const std::wstring& description) = 0;
    // title: plain text; problem, reason and furtherActions: markup. customValue is a token, not
    // shown: closing the panel reloads when it is "reload".
    virtual void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                           const std::wstring& furtherActions, const std::wstring& customValue, int buttons) = 0;
    virtual void ShowAbsentTimeTrack(bool conflicts) = 0;
    virtual void SetDateRange(const Quorvane::DateRange& range) = 0;
    // 0 = Monday to 6 = Sunday.
    virtual void SetFirstDayOfWeek(int day) = 0;
    // The owner of the modal dialogs.
    virtual HWND GetHwnd() = 0;
    virtual void SetNotification(boost::shared_ptr<IMainViewNotification> notification) = 0;
    virtual boost::shared_ptr<IMainViewNotification> GetNotification() = 0;
    virtual void SetModel(boost::shared_ptr<MainModel> model) = 0;
    virtual boost::shared_ptr<MainModel> GetModel() = 0;
};
