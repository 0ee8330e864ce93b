#include "tests/support/PaintedLines.h"

#include <gtest/gtest.h>

#include "htmlengine/api/EngineTestHooks.h"

namespace {

// A plain function: the receiver is a stdcall pointer, which a lambda cannot become on i686.
void CALLBACK TakeText(const wchar_t* chars, UINT length, LPVOID text)
{
    static_cast<std::wstring*>(text)->assign(chars, length);
}

}  // namespace

std::vector<std::wstring> PaintedLines(HWND window)
{
    std::wstring frame;
    EXPECT_EQ(ENGINE_OK, HTMLayoutTestRecordPaint(window, &TakeText, &frame));
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = frame.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(frame.substr(start, end - start));
    return lines;
}
