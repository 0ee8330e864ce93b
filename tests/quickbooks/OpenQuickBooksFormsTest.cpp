#include "connectors/quickbooks/OpenQuickBooksForms.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

using Quorvane::Connectors::FindOpenQuickBooksForms;

namespace {

// Builds the window hierarchy of running QuickBooks copies: frames, their MDI client and
// the forms inside it. Windows stay hidden; the search does not need them visible.
class FakeQuickBooksWindows {
public:
    FakeQuickBooksWindows()
    {
        RegisterPlainClass(L"MauiFrame");
        RegisterPlainClass(L"MauiForm");
    }
    ~FakeQuickBooksWindows()
    {
        for (auto it = m_frames.rbegin(); it != m_frames.rend(); ++it)
            DestroyWindow(*it);
    }
    HWND AddFrame(const wchar_t* title, bool withMdiClient = true)
    {
        HWND frame = CreateWindowExW(0, L"MauiFrame", title, WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, NULL,
                                     GetModuleHandleW(NULL), NULL);
        m_frames.push_back(frame);
        if (!withMdiClient)
            return frame;
        CLIENTCREATESTRUCT client = {};
        return CreateWindowExW(0, L"MDIClient", NULL, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 400, 300, frame, NULL,
                               GetModuleHandleW(NULL), &client);
    }
    void AddForm(HWND parent, const wchar_t* title)
    {
        CreateWindowExW(0, L"MauiForm", title, WS_CHILD, 0, 0, 100, 100, parent, NULL, GetModuleHandleW(NULL), NULL);
    }

private:
    static void RegisterPlainClass(const wchar_t* name)
    {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(NULL);
        windowClass.lpszClassName = name;
        RegisterClassExW(&windowClass);
    }
    std::vector<HWND> m_frames;
};

typedef std::vector<std::wstring> Titles;

}  // namespace

TEST(OpenQuickBooksForms, FindsEveryTimeEntryFormInsideQuickBooks)
{
    FakeQuickBooksWindows windows;
    HWND client = windows.AddFrame(L"Acme Ltd - QuickBooks Pro 2012");
    ASSERT_TRUE(client != NULL);
    windows.AddForm(client, L"Weekly Timesheet");
    windows.AddForm(client, L"Customer Center");
    windows.AddForm(client, L"Weekly Timesheet");
    windows.AddForm(client, L"");
    Titles found = FindOpenQuickBooksForms();
    EXPECT_EQ(Titles({ L"Weekly Timesheet", L"Weekly Timesheet" }), found);
}

TEST(OpenQuickBooksForms, MatchesWholeTitlesWithTheirCase)
{
    FakeQuickBooksWindows windows;
    HWND client = windows.AddFrame(L"Acme Ltd - QuickBooks");
    windows.AddForm(client, L"Weekly Timesheet X");
    windows.AddForm(client, L"weekly timesheet");
    windows.AddForm(client, L"Time/Enter Single Activity (2)");
    EXPECT_TRUE(FindOpenQuickBooksForms().empty());
    windows.AddForm(client, L"Time/Enter Single Activity");
    EXPECT_EQ(Titles({ L"Time/Enter Single Activity" }), FindOpenQuickBooksForms());
}

TEST(OpenQuickBooksForms, SearchesEveryQuickBooksFrameAndOnlyThose)
{
    FakeQuickBooksWindows windows;
    windows.AddForm(windows.AddFrame(L"First Co - QuickBooks"), L"Weekly Timesheet");
    windows.AddForm(windows.AddFrame(L"Second Co - QuickBooks"), L"Time/Enter Single Activity");
    windows.AddForm(windows.AddFrame(L"Some other program"), L"Weekly Timesheet");
    windows.AddForm(windows.AddFrame(L"Third Co - QuickBooks", false), L"Weekly Timesheet");
    Titles found = FindOpenQuickBooksForms();
    ASSERT_EQ(2u, found.size());
    EXPECT_EQ(1, std::count(found.begin(), found.end(), L"Weekly Timesheet"));
    EXPECT_EQ(1, std::count(found.begin(), found.end(), L"Time/Enter Single Activity"));
}

TEST(OpenQuickBooksForms, FindsNothingWithoutQuickBooks)
{
    EXPECT_TRUE(FindOpenQuickBooksForms().empty());
}
