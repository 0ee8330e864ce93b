#pragma once
// The question asked when the user closes the main window while an import runs (dialog 153).
#include <windows.h>

#include <boost/function.hpp>

// Asks, modally. "Stop import and exit" runs `confirmed` before the question goes away, so an
// import that goes on meanwhile is already asked to stop when the window is seen to close. A
// dialog that cannot be shown counts as "Back to import": a failure must never stop an import.
void AskToStopImport(HINSTANCE instance, HWND owner, const boost::function<void()>& confirmed);

// The dialog procedure of dialog 153: centred on its owner, ended by either button. Its
// creation parameter, when not null, points to what "Stop import and exit" runs.
INT_PTR CALLBACK ConfirmCloseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
