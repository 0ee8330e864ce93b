// pageshot renders the engine's test page, with a select opened and an edit focused, to a
// PNG that is there, as large as asked, and shows the page (not one flat colour).
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::wstring Beside(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

std::wstring TestPage()
{
    std::string source = PELLWORTH_SOURCE_DIR "/tests/pageshot/controls.html";
    return L"Z:" + std::wstring(source.begin(), source.end());
}

// Runs pageshot with the arguments; its exit code, or -1 when it did not end within a minute.
int RunPageshot(const std::wstring& arguments)
{
    std::wstring command = L"\"" + Beside(L"pageshot.exe") + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -2;
    DWORD code = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}

class Pageshot : public ::testing::Test {
protected:
    void SetUp() override
    {
        GdiplusStartupInput input;
        ASSERT_EQ(Ok, GdiplusStartup(&token_, &input, nullptr));
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        output_ = std::wstring(folder) + L"pageshot-test.png";
        DeleteFileW(output_.c_str());
    }
    void TearDown() override
    {
        DeleteFileW(output_.c_str());
        GdiplusShutdown(token_);
    }

    ULONG_PTR token_ = 0;
    std::wstring output_;
};

}  // namespace

TEST_F(Pageshot, RendersTheTestPageWithItsControlsInAVisibleState)
{
    ASSERT_EQ(0, RunPageshot(L"\"" + TestPage() + L"\" \"" + output_ +
                             L"\" --size 640x480 --do \"focus #password\" --do \"click #select\""));
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(Ok, GdipCreateBitmapFromFile(output_.c_str(), &bitmap));
    UINT width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    EXPECT_EQ(640u, width);
    EXPECT_EQ(480u, height);
    std::set<ARGB> colours;
    for (UINT y = 0; y < height; y += 7)
        for (UINT x = 0; x < width; x += 7) {
            ARGB colour = 0;
            GdipBitmapGetPixel(bitmap, INT(x), INT(y), &colour);
            colours.insert(colour & 0xFFFFFF);
        }
    EXPECT_GT(colours.size(), 20u) << "a page, not a flat colour";
    ARGB canvas = 0;
    GdipBitmapGetPixel(bitmap, 2, INT(height) - 2, &canvas);
    EXPECT_EQ(0xF3F4F6u, canvas & 0xFFFFFF) << "the page's background";
    GdipDisposeImage(bitmap);
}

TEST_F(Pageshot, RefusesWhatItCannotDo)
{
    EXPECT_EQ(1, RunPageshot(L"only-one-argument"));
    EXPECT_EQ(1, RunPageshot(L"\"" + TestPage() + L"\" \"" + output_ + L"\" --do \"click #nothing-has-this-id\""));
    EXPECT_EQ(1, RunPageshot(L"Z:/no/such/page.html \"" + output_ + L"\""));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(output_.c_str()));
}
