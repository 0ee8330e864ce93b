#pragma once
// A page in an 800 x 600 window laid out with fixed metrics (every character 7 px, lines
// 16 px at 12 px), read back as "x,y w×h" border boxes of the elements with ids.
#include "../document/EngineFixture.h"

#include <string>
#include <vector>

class LayoutTest : public EngineTest {
protected:
    void SetUp() override;
    void Resize(int width, int height);

    // "x,y w×h" of the element's border box in the window; "none" without a box.
    std::string Box(const char* selector, UINT area = 0x21);
    std::string BoxDump();
    // One frame through the recording painter, a line per drawing call.
    std::wstring RecordPaint();
    HELEMENT At(int x, int y);
};

// One case of a table: markup in, the boxes of some elements out ("#id x,y w×h").
struct LayoutCase {
    const char* name;
    const char* markup;
    std::vector<std::string> boxes;
};

// Loads each case and checks its boxes; a failure names the case and shows every box.
void RunCases(LayoutTest& test, const std::vector<LayoutCase>& cases);
