#include "app/OpenOrExplain.h"

#include <windows.h>

#include "app/HtmlEscape.h"
#include "app/IMainView.h"
#include "app/ShellOpen.h"

void OpenOrExplain(IMainView& view, const std::wstring& what, const std::wstring& path)
{
    if (ShellOpen(path))
        return;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    std::wstring reason = L"It is not there";
    std::wstring further;
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        reason = (attributes & FILE_ATTRIBUTE_DIRECTORY)
                     ? L"No program on this computer is set to open folders"
                     : L"No program on this computer is set to open this kind of file";
        further = L"Open it from Windows Explorer, where you can also choose a program to open it with";
    }
    view.ShowError(L"Cannot open " + what, L"Cannot open " + HtmlEscape(path), reason, further, L"", 0);
}
