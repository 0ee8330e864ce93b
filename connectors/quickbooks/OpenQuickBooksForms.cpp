#include "connectors/quickbooks/OpenQuickBooksForms.h"

#include <windows.h>

namespace Quorvane {
namespace Connectors {

namespace {

const wchar_t kFrameClass[] = L"MauiFrame";
const wchar_t kFrameTitleMark[] = L"- QuickBooks";
const wchar_t kMdiClientClass[] = L"MDIClient";
const wchar_t kFormClass[] = L"MauiForm";
const wchar_t* const kTimeEntryTitles[] = { L"Weekly Timesheet", L"Time/Enter Single Activity" };

std::wstring WindowTitle(HWND window)
{
    wchar_t title[260] = {};
    int length = GetWindowTextW(window, title, static_cast<int>(sizeof(title) / sizeof(title[0])));
    return std::wstring(title, length > 0 ? length : 0);
}

bool IsTimeEntryTitle(const std::wstring& title)
{
    for (const wchar_t* wanted : kTimeEntryTitles) {
        if (title == wanted)
            return true;
    }
    return false;
}

void CollectTimeEntryForms(HWND mdiClient, std::vector<std::wstring>& found)
{
    HWND form = NULL;
    while ((form = FindWindowExW(mdiClient, form, kFormClass, NULL)) != NULL) {
        std::wstring title = WindowTitle(form);
        if (IsTimeEntryTitle(title))
            found.push_back(title);
    }
}

}  // namespace

std::vector<std::wstring> FindOpenQuickBooksForms()
{
    std::vector<std::wstring> found;
    HWND frame = NULL;
    while ((frame = FindWindowExW(NULL, frame, kFrameClass, NULL)) != NULL) {
        if (WindowTitle(frame).find(kFrameTitleMark) == std::wstring::npos)
            continue;
        HWND mdiClient = FindWindowExW(frame, NULL, kMdiClientClass, NULL);
        if (mdiClient != NULL)
            CollectTimeEntryForms(mdiClient, found);
    }
    return found;
}

}  // namespace Connectors
}  // namespace Quorvane
