#include "ui/main/CloseConfirmation.h"

namespace {

const int kCloseConfirmationDialog = 153;
const int kQuestionText = 100;  // the dialog's text, as the resource script numbers it

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
        if (CloseQuestion* question = reinterpret_cast<CloseQuestion*>(lParam))
            question->dialog = dialog;
        CentreOnOwner(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND || (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL))
        return 0;
    CloseQuestion* question = reinterpret_cast<CloseQuestion*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (LOWORD(wParam) == IDOK && question && question->confirmed)
        question->confirmed();
    EndDialog(dialog, LOWORD(wParam));
    return 0;
}

void AskToStopImport(HINSTANCE instance, HWND owner, CloseQuestion& question)
{
    question.dialog = nullptr;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kCloseConfirmationDialog), owner, ConfirmCloseDialogProc,
                    reinterpret_cast<LPARAM>(&question));
    question.dialog = nullptr;
}

void ShowImportEndedInCloseConfirmation(HWND question)
{
    if (!question)
        return;
    SetDlgItemTextW(question, kQuestionText, L"The import has finished. Would you like to exit?");
    SetDlgItemTextW(question, IDOK, L"Exit");
    SetDlgItemTextW(question, IDCANCEL, L"Cancel");
}
