#pragma once
// The answer to a test query from another process (WM_COPYDATA, EngineTestHooks.h): where an
// element is, what it shows, its attributes and states, so that a driver can give the real
// window real input at the right place and read what a person would see.
#include <windows.h>

namespace htmlengine {

class EngineWindow;

// True when the message was a test query; it has then been answered.
bool AnswerTestQuery(EngineWindow& window, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace htmlengine
