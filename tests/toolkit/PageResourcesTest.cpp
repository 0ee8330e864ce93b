// The loaders against this executable's own resources (toolkit_test_resources.rc).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageFixture.h"
#include "core/TextUtils.h"
#include "ui/toolkit/PageResources.h"

namespace {

using Quorvane::StartsWith;

// What LoadResourceFromUrl serves for the URL, or "(none)".
std::string Served(const wchar_t* url)
{
    const unsigned char* data = nullptr;
    UINT size = 0;
    if (!LoadResourceFromUrl(url, &data, &size))
        return "(none)";
    return std::string(reinterpret_cast<const char*>(data), size);
}

TEST(LoadResourceFromUrl, TheExtensionGivesTheTypeAndLowerCaseTypesAreFound)
{
    EXPECT_TRUE(StartsWith(Served(L"IDR_CHECK.png"), "\x89PNG"));
    EXPECT_TRUE(StartsWith(Served(L"IDR_CHECK.PNG"), "\x89PNG"));
    EXPECT_TRUE(StartsWith(Served(L"res:IDR_CHECK.png"), "\x89PNG"));
    EXPECT_TRUE(StartsWith(Served(L"TEST_STYLE.css"), "html {"));
    EXPECT_TRUE(StartsWith(Served(L"DEFAULT"), "<html>"));
    EXPECT_TRUE(StartsWith(Served(L"page.html"), "<div id=\"piece\">"));
    EXPECT_TRUE(StartsWith(Served(L"page.HTML"), "<div id=\"piece\">"));
}

TEST(LoadResourceFromUrl, MissingEmptyAndOverlongUrlsAreNotServed)
{
    EXPECT_EQ("(none)", Served(L"IDR_MISSING.png"));
    EXPECT_EQ("(none)", Served(L"IDR_CHECK.gif"));
    EXPECT_EQ("(none)", Served(L""));
    EXPECT_EQ("(none)", Served(nullptr));
    EXPECT_EQ("(none)", Served(L"images/IDR_CHECK.png"));  // the dialogs' loader keeps paths
    std::wstring longUrl(300, L'A');
    EXPECT_EQ("(none)", Served((longUrl + L".png").c_str()));
}

TEST(LoadHtmlResource, FindsPagesByNameAndNothingElse)
{
    const unsigned char* data = nullptr;
    UINT size = 0;
    HINSTANCE self = GetModuleHandleW(nullptr);
    EXPECT_TRUE(LoadHtmlResource(self, L"TEST_DIALOG", &data, &size));
    EXPECT_TRUE(StartsWith(std::string(reinterpret_cast<const char*>(data), size), "<html>"));
    EXPECT_FALSE(LoadHtmlResource(self, L"IDR_CHECK", &data, &size));
    EXPECT_FALSE(LoadHtmlResource(self, MAKEINTRESOURCEW(999), &data, &size));
}

// The main window's loader, answering the engine while it loads a page.
class LoadResourceDataTest : public PageTest {
protected:
    LRESULT Answer(const wchar_t* url) { return LoadResourceData(GetModuleHandleW(nullptr), hwnd_, url); }
};

TEST_F(LoadResourceDataTest, AnswersEachUrlForm)
{
    EXPECT_EQ(1, Answer(L""));
    EXPECT_EQ(1, Answer(nullptr));
    EXPECT_EQ(0, Answer(L"IDR_MISSING.png"));
    EXPECT_EQ(0, Answer(L"res:images/IDR_CHECK.png"));
    EXPECT_EQ(0, Answer(L"res:TEST_STYLE.CSS"));
    std::wstring longUrl(300, L'A');
    EXPECT_EQ(1, Answer((longUrl + L".png").c_str()));
}

// "res:images/NAME" is looked up as NAME and handed over as "images/NAME": the engine takes a
// hand-over during the request as its answer, so the page gets the resource's content.
class ServedByMainLoader : public PageTest {
protected:
    static LRESULT CALLBACK Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param)
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (message != WM_NOTIFY || header->code != NOTIFY_LOAD_DATA)
            return 0;
        auto* block = reinterpret_cast<LOAD_DATA_NOTIFICATION*>(header);
        static_cast<std::vector<std::wstring>*>(param)->push_back(block->uri);
        return LoadResourceData(GetModuleHandleW(nullptr), header->hwndFrom, block->uri);
    }
};

TEST_F(ServedByMainLoader, APagePieceUnderAPathArrives)
{
    std::vector<std::wstring> asked;
    HTMLayoutSetCallback(hwnd_, Notify, &asked);
    Load("<html><body><include src=\"res:pieces/TEST_PIECE.html\"></include></body></html>");
    EXPECT_EQ(std::vector<std::wstring> { L"res:pieces/TEST_PIECE.html" }, asked);
    EXPECT_STREQ(L"included", page.Find("#piece").get_text().c_str());
}

}  // namespace
