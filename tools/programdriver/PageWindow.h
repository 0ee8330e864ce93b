#pragma once
// One engine window of the program under test (the main window or a dialog), seen and used
// from outside as a person would: what it shows, found by CSS selectors through the engine's
// test query, and real mouse and keyboard input at the places it names.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/programdriver/EngineQuery.h"
#include "tools/programdriver/PostedInput.h"
#include "tools/programdriver/Waiting.h"

namespace driver {

class PageWindow {
public:
    PageWindow(HWND window, EngineQuery& query, PostedInput& input);

    HWND Handle() const { return m_window; }

    // ---- what it shows
    ElementPlace Locate(const std::wstring& selector);
    bool Shown(const std::wstring& selector);
    int Count(const std::wstring& selector);
    bool HasState(const std::wstring& selector, const std::wstring& state);
    // The first match's text; DriverError when nothing matches.
    std::wstring Text(const std::wstring& selector);
    std::vector<std::wstring> Texts(const std::wstring& selector);
    std::wstring Attribute(const std::wstring& selector, const std::wstring& name);
    // Every match's attribute ("" where it has none).
    std::vector<std::wstring> Attributes(const std::wstring& selector, const std::wstring& name);

    // ---- waiting for it
    void WaitShown(const std::wstring& selector, DWORD timeoutMs = kStepTimeoutMs);
    void WaitHidden(const std::wstring& selector, DWORD timeoutMs = kStepTimeoutMs);
    void WaitText(const std::wstring& selector, const std::wstring& text, DWORD timeoutMs = kStepTimeoutMs);
    void WaitState(const std::wstring& selector, const std::wstring& state, bool set, DWORD timeoutMs = kStepTimeoutMs);

    // ---- input
    // Waits until a click at the element's centre reaches it, then clicks there.
    void Click(const std::wstring& selector);
    // Turns the wheel over the scroll box until a click reaches the element.
    void ScrollTo(const std::wstring& selector, const std::wstring& scrollBox);
    void Key(UINT virtualKey);
    void Type(const std::wstring& text);
    // Clicks the field, empties it with Backspace from its end and types the text; waits
    // until the field shows it (a password field: as many marks).
    void Fill(const std::wstring& selector, const std::wstring& text);
    // Opens the dropdown select by clicking it and clicks the option with that text (runs of
    // blanks read as one).
    // A popup menu of another element (a widget's own popup) opens by a click on the opener.
    void Choose(const std::wstring& selectSelector, const std::wstring& optionText,
                const std::wstring& opener = std::wstring());
    // As the title bar's close button does.
    void Close();

private:
    ElementPlace WaitReachable(const std::wstring& selector);

    HWND m_window;
    EngineQuery* m_query;
    PostedInput* m_input;
};

}  // namespace driver
