#include "HostedSettingsDialog.h"

#include "ui/toolkit/PageResources.h"

HostedSettingsDialog::~HostedSettingsDialog()
{
    if (hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
}

bool HostedSettingsDialog::Open(bool shown)
{
    if (!LoadHtmlResource(GetModuleHandleW(0), MAKEINTRESOURCEW(134), &html, &html_size) || !create())
        return false;
    if (shown)
        ShowWindow(hwnd, SW_SHOW);
    return true;
}
