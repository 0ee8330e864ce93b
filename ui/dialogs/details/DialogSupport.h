#pragma once
// Small pieces the preview and missing-data dialogs share.
#include <windows.h>

#include <string>

#include "ui/toolkit/Element.h"

// Shows the wait cursor while it lives and puts the previous cursor back, whatever ends the work.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursorW(NULL, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }

private:
    WaitCursor(const WaitCursor&);
    WaitCursor& operator=(const WaitCursor&);

    HCURSOR m_previous;
};

// Ends the modal run: the dialog window closes as through its close box.
void PostCloseMessage(HWND dialog);

// Asks whether to stop creating items in QuickBooks and close the window: true for yes. A
// message box over the dialog; tests put their own answer in its place (null restores it).
typedef bool (*StopCreationQuestion)(HWND dialog);
void SetStopCreationQuestion(StopCreationQuestion question);
bool AskToStopCreation(HWND dialog);

// A new element of the tag with the text, appended to the parent.
htmlayout::dom::element AppendElement(htmlayout::dom::element& parent, const char* tag,
                                      const std::wstring& text = std::wstring());

// The first script-call argument as an element; null when there is none.
htmlayout::dom::element ElementArgument(UINT argc, json::value* argv);

// The id of the server user chosen in the "EmployeeSelectId" list; empty when none is chosen.
std::wstring SelectedEmployeeId(const htmlayout::dom::element& root);
