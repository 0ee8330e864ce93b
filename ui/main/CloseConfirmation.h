#pragma once
// The question asked when the user closes the main window while an import runs (dialog 153).
#include <windows.h>

// True only when the user chose "Stop import and exit". A dialog that cannot be shown counts
// as "Back to import": a failure must never stop an import.
bool ConfirmStopImport(HINSTANCE instance, HWND owner);

// The dialog procedure of dialog 153: centred on its owner, ended by either button.
INT_PTR CALLBACK ConfirmCloseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
