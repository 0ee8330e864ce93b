// The view's side of its window: creation, the message loop, resources and closing.
#include "ui/main/MainView.h"

#include <boost/bind/bind.hpp>

#include "ui/main/CloseConfirmation.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MessageLoop.h"
#include "ui/main/Panels.h"
#include "ui/toolkit/PageResources.h"

namespace {

const UINT_PTR kWakeTimer = 1;
const UINT kWakeTimerMilliseconds = 500;

}  // namespace

void MainView::InitInstance(HINSTANCE instance, int showCommand)
{
    RegisterMainWindowClass(instance);
    SetInstance(instance);
    CreateMainWindow(instance, showCommand, this);
}

void MainView::Run(bool show)
{
    ShowWindow(m_window, show ? SW_SHOWNORMAL : SW_HIDE);
    UpdateWindow(m_window);
    SetTimer(m_window, kWakeTimer, kWakeTimerMilliseconds, nullptr);
    RunMessageLoop();
    KillTimer(m_window, kWakeTimer);
    DetachFromWindow();
}

void MainView::DetachFromWindow()
{
    if (!m_window)
        return;
    htmlayout::detach_event_handler(m_window, this);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
}

LRESULT MainView::OnLoadData(LOAD_DATA_NOTIFICATION* notification)
{
    return LoadResourceData(m_instance, notification->hdr.hwndFrom, notification->uri);
}

void MainView::OnCloseRequested()
{
    if (!m_importRunning) {
        PostQuitMessage(0);
        return;
    }
    AskToStopImport(m_instance, m_window, boost::bind(&MainView::CloseConfirmed, this));
}

void MainView::CloseConfirmed()
{
    m_closeRequested = true;
    if (m_absentTimeTrackShown) {
        HideAbsentTimeTrackBody(Root());
        PostQuitMessage(0);
    } else if (m_importRunning) {
        Sink()->StopImport();
    } else {
        PostQuitMessage(0);
    }
}
