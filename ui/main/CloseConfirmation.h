#pragma once
// The question asked when the user closes the main window while an import runs (dialog 153).
#include <windows.h>

#include <boost/function.hpp>

// The question while it is open: its window, and what "Stop import and exit" (or "Exit", once
// the import ended under the question) does. That runs before the question goes away, so an
// import that goes on meanwhile is already asked to stop when the window is seen to close.
struct CloseQuestion {
    HWND dialog;
    boost::function<void()> confirmed;
};

// Asks, modally. A dialog that cannot be shown counts as "Back to import": a failure must
// never stop an import.
void AskToStopImport(HINSTANCE instance, HWND owner, CloseQuestion& question);

// The import ended while the question is open: it says so and no longer offers to stop it.
void ShowImportEndedInCloseConfirmation(HWND question);

// The dialog procedure of dialog 153: centred on its owner, ended by either button. Its
// creation parameter, when not null, is the CloseQuestion it fills and acts on.
INT_PTR CALLBACK ConfirmCloseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
