#include "app/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace {

void OpenWithShell(const std::wstring& target)
{
    ShellExecuteW(NULL, L"open", target.c_str(), NULL, NULL, SW_SHOW);
}

ShellOpener g_opener = &OpenWithShell;

}  // namespace

void ShellOpen(const std::wstring& target)
{
    g_opener(target);
}

void SetShellOpener(ShellOpener opener)
{
    g_opener = opener ? opener : &OpenWithShell;
}
