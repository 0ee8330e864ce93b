#include "ui/main/CloseConfirmation.h"

namespace {

const int kCloseConfirmationDialog = 153;

void CentreOnOwner(HWND dialog)
{
    RECT owner, own;
    if (!GetWindowRect(GetParent(dialog), &owner) || !GetWindowRect(dialog, &own))
        return;
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = owner.left + ((owner.right - owner.left) - width) / 2;
    int y = owner.top + ((owner.bottom - owner.top) - height) / 2;
    MoveWindow(dialog, x, y, width, height, FALSE);
}

}  // namespace

INT_PTR CALLBACK ConfirmCloseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        CentreOnOwner(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND || (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL))
        return 0;
    const boost::function<void()>* confirmed =
        reinterpret_cast<const boost::function<void()>*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (LOWORD(wParam) == IDOK && confirmed && *confirmed)
        (*confirmed)();
    EndDialog(dialog, LOWORD(wParam));
    return 0;
}

void AskToStopImport(HINSTANCE instance, HWND owner, const boost::function<void()>& confirmed)
{
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kCloseConfirmationDialog), owner, ConfirmCloseDialogProc,
                    reinterpret_cast<LPARAM>(&confirmed));
}
