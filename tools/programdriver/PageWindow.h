#pragma once
// One engine window of the program under test (the main window or a dialog), seen and used
// from outside as a person would: what it shows, found by CSS selectors through the engine's
// test query, and real mouse and keyboard input at the places it names.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/programdriver/EngineQuery.h"
#include "tools/programdriver/PostedInput.h"
#include "tools/programdriver/SystemKeyboard.h"
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
    // Whether an element of the selector list has the keyboard focus.
    bool HasFocus(const std::wstring& selectors);
    // The first match's text; DriverError when nothing matches.
    std::wstring Text(const std::wstring& selector);
    std::vector<std::wstring> Texts(const std::wstring& selector);
    std::wstring Attribute(const std::wstring& selector, const std::wstring& name);
    // Every match's attribute ("" where it has none).
    std::vector<std::wstring> Attributes(const std::wstring& selector, const std::wstring& name);
    FocusedElement Focused();
    // How the element is drawn now ("none" once it is gone).
    std::wstring LookOf(unsigned uid);

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
    // A key through the system's keyboard input (the window comes to the foreground), with
    // modifiers held as a person holds them.
    void Press(UINT virtualKey, unsigned modifiers = kNoModifier);
    // Presses the key and waits until the focus leaves the element that had it; the element
    // focused then, the same one when the focus did not move within the time.
    FocusedElement MoveFocus(UINT virtualKey, unsigned modifiers, DWORD timeoutMs);
    // Presses Tab (Shift+Tab with kShift) until an element the selector matches has the focus,
    // as a person tabs to a control; that element. DriverError when the focus stops moving or
    // comes round to where it started first.
    FocusedElement TabTo(const std::wstring& selector, unsigned modifiers = kNoModifier);
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
