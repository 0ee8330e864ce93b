#include "app/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// The shell answers a value above 32 when it started something.
const INT_PTR kLastShellError = 32;

bool OpenWithShell(const std::wstring& target)
{
    HINSTANCE result = ShellExecuteW(NULL, L"open", target.c_str(), NULL, NULL, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > kLastShellError;
}

ShellOpener g_opener = &OpenWithShell;

}  // namespace

bool ShellOpen(const std::wstring& target)
{
    return g_opener(target);
}

void SetShellOpener(ShellOpener opener)
{
    g_opener = opener ? opener : &OpenWithShell;
}
