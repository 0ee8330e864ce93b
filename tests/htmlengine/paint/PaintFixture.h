#pragma once
// An engine window for painting tests: what the window would draw (the recording
// painter's lines), its pixels, element places, and real input messages posted to it.
#include "../document/EngineFixture.h"

#include <functional>
#include <string>
#include <vector>

class PaintTest : public EngineTest {
protected:
    void SetUp() override;

    // The window's pixels as 0xRRGGBB.
    unsigned Pixel(int x, int y);
    RECT Place(const char* selector);
    POINT Center(const char* selector);

    // Real input: posted to the window, then the queue handled as the message loop would.
    void MouseDown(POINT at, WPARAM keys = MK_LBUTTON);
    void MouseUp(POINT at);
    void ClickAt(POINT at);
    void Key(UINT key);  // down, the character it makes, up
    void KeyWithControl(UINT key);
    void TypeChars(const std::wstring& text);
    void Pump(DWORD milliseconds = 0);
    // Handles the queue until `done` holds: a timer's message comes late on a busy machine.
    bool PumpUntil(const std::function<bool()>& done, DWORD limit = 10000);
};

// Colours as near as anti-aliasing and fonts allow: each channel within `tolerance`.
bool Near(unsigned rgb, unsigned expected, int tolerance = 8);
