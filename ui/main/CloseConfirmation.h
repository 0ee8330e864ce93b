#pragma once
// The question asked when the user closes the main window while an import runs (dialog 153).
#include <windows.h>

// True only when the user chose "Stop import and exit" (or "Exit", once the import ended while
// the question was open). A dialog that cannot be shown counts as "Back to import": a failure
// must never stop an import. While the question is open `*shown` is its window, else null.
bool ConfirmStopImport(HINSTANCE instance, HWND owner, HWND* shown);

// The import ended while the question is open: it says so and no longer offers to stop it.
void ShowImportEndedInCloseConfirmation(HWND question);

// The dialog procedure of dialog 153: centred on its owner, ended by either button. Its
// creation parameter, when not null, is where it puts its window.
INT_PTR CALLBACK ConfirmCloseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
