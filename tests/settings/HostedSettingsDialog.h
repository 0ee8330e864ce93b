#pragma once
// The settings dialog on page 134 in a window of its own, without the modal loop: the tests, the
// benchmark and the screenshots drive the page themselves.
#include <windows.h>

#include "ui/dialogs/settings/SettingsDialog.h"

class HostedSettingsDialog : public SettingsDialog {
public:
    explicit HostedSettingsDialog(const boost::shared_ptr<MainModel>& model) : SettingsDialog(0, model) {}
    ~HostedSettingsDialog();

    // Loads page 134 into the window, hidden unless `shown`; false when the page or the window
    // cannot be had.
    bool Open(bool shown);
    HWND Window() const { return hwnd; }
    int Result() const { return result; }
};
