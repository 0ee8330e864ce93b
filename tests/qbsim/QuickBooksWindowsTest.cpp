// The stand-in QuickBooks windows are found by the walk the open-window check makes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/qbsim/QuickBooksWindows.h"

namespace {

std::wstring TitleOf(HWND window)
{
    wchar_t title[260];
    int length = GetWindowTextW(window, title, 260);
    return std::wstring(title, length > 0 ? length : 0);
}

// Every form title under every QuickBooks main window, as found.
std::vector<std::wstring> OpenForms()
{
    std::vector<std::wstring> forms;
    for (HWND frame = FindWindowExW(0, 0, L"MauiFrame", 0); frame; frame = FindWindowExW(0, frame, L"MauiFrame", 0)) {
        if (TitleOf(frame).find(L"- QuickBooks") == std::wstring::npos)
            continue;
        HWND mdi = FindWindowExW(frame, 0, L"MDIClient", 0);
        for (HWND form = mdi ? FindWindowExW(mdi, 0, L"MauiForm", 0) : 0; form;
             form = FindWindowExW(mdi, form, L"MauiForm", 0))
            forms.push_back(TitleOf(form));
    }
    return forms;
}

TEST(QuickBooksWindows, AreFoundUnderTheirMainWindowAndGoAwayWithTheObject)
{
    {
        QbSim::QuickBooksWindows running(L"Sim Co - QuickBooks Pro", { L"Weekly Timesheet", L"Customer Center" });
        QbSim::QuickBooksWindows other(L"Not the program", { L"Weekly Timesheet" });
        ASSERT_TRUE(running.IsOpen()) << "cannot make the stand-in QuickBooks windows; is the display usable?";
        std::vector<std::wstring> forms = OpenForms();
        std::sort(forms.begin(), forms.end());
        EXPECT_EQ((std::vector<std::wstring> { L"Customer Center", L"Weekly Timesheet" }), forms);
    }
    EXPECT_TRUE(OpenForms().empty());
}

}  // namespace
