#pragma once
// Reading the QuickBooks employees and payroll items again while the settings dialog is open.
// The read runs on a thread of its own and always ends with a completion posted to the UI
// thread. The job is shared by the dialog, the thread and the completion, so whichever goes
// first, nothing is left pointing at it; a dialog that has gone is told nothing.
#include <windows.h>

#include <string>

#include <boost/enable_shared_from_this.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>

class MainModel;

class IReloadListener {
public:
    virtual ~IReloadListener() {}
    // On the UI thread; an empty error means the model holds the new lists.
    virtual void OnReloadCompleted(const std::wstring& error) = 0;
};

class SettingsReload : public boost::enable_shared_from_this<SettingsReload>, private boost::noncopyable {
public:
    // The listener is told on the thread that calls Start, while `window` exists.
    SettingsReload(const boost::shared_ptr<MainModel>& model, HWND window, IReloadListener* listener);

    // False when no thread could be started; the listener is then never told.
    bool Start();
    // The listener is going: from now on the completion does nothing. UI thread only.
    void Forget() { m_listener = 0; }

private:
    void Run();
    void Complete(const std::wstring& error);

    boost::shared_ptr<MainModel> m_model;
    DWORD m_uiThreadId;
    HWND m_window;
    IReloadListener* m_listener;
};

// What the reload does on its thread: both lists are read first and stored together, under the
// model's lock, so a failed read changes nothing.
void ReloadQuickBooksLists(MainModel& model);
