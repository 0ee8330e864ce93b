#pragma once
// The window messages painting answers - WM_PAINT, WM_PRINTCLIENT, WM_ERASEBKGND, WM_SETCURSOR
// over the client area, and its own timers - and those it only watches: input restarts the
// caret's blink and hides a tooltip, mouse moves start a tooltip's delay.
#include <windows.h>

namespace htmlengine {

class EngineWindow;

// True when painting took the message.
bool HandlePaintMessage(EngineWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// After the window's input handled the message.
void WatchInput(EngineWindow& window, UINT msg);

}  // namespace htmlengine
