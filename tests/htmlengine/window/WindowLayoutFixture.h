#pragma once
// A page in an 800 x 600 engine window, driven through the C interface, laid out with fixed
// metrics (every character 7 px, lines 16 px at 12 px), read back as "x,y w×h" border boxes
// of the elements with ids.
#include "../document/EngineFixture.h"
#include "../layout/LayoutCases.h"

#include <string>

class WindowLayoutTest : public EngineTest {
public:
    using EngineTest::Load;
    // "x,y w×h" of the element's border box in the window; "none" without a box.
    std::string Box(const char* selector, UINT area = 0x21);
    std::string BoxDump();

protected:
    void SetUp() override;
    void Resize(int width, int height);

    HELEMENT At(int x, int y);
};

// Every box of the window's page as the engine dumps it, "×" written as "x".
std::string BoxDumpOf(HWND window);
