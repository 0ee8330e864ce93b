#pragma once
// The controller as start-up sees it.
class IMainController {
public:
    virtual ~IMainController() {}
    // Runs the main window's message loop; returns when the window is gone.
    virtual void Show(bool show) = 0;
};
