#pragma once
// A dialog's page opened in a hidden window without the modal loop, so that a test drives the
// page through the engine's test hooks, as a user would, and reads it back.
#include <stdexcept>
#include <utility>

#include "htmlengine/api/EngineTestHooks.h"
#include "tests/support/PageProbe.h"
#include "ui/toolkit/PageResources.h"

template <typename Dialog>
class OpenedDialog : public Dialog {
public:
    template <typename... Args>
    explicit OpenedDialog(Args&&... args) : Dialog(std::forward<Args>(args)...)
    {
    }

    // True when the page was found and the window made.
    bool Open(int pageId)
    {
        if (!LoadHtmlResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pageId), &this->html, &this->html_size))
            return false;
        return this->create() != nullptr;
    }
    // Open for a test body: one that went on without the window would crash on it, so a page
    // or window that cannot be had ends the test here, with the reason.
    void OpenOrThrow(int pageId)
    {
        if (!Open(pageId))
            throw std::runtime_error("cannot open the dialog's page in a window; is the display usable?");
    }
    HWND Window() const { return this->hwnd; }

    // Lets the creation's reports, posted to this thread, run until its run has ended.
    void AwaitCreation()
    {
        for (int i = 0; i < 2000 && this->IsCreatingItems(); ++i)
            SleepEx(5, TRUE);
    }
};
