#pragma once
// pageshot's --do actions, applied through the engine's test hooks as a user's input:
//   click SEL, dblclick SEL, focus SEL, type SEL TEXT, choose SEL INDEX, key SEL VK,
//   state SEL +BITS / -BITS (hex or decimal state bits set or cleared),
//   hover SEL (the pointer rests on the element's middle until its tooltip shows)
// SEL is a CSS selector without spaces; the first element it matches is meant.
#include <windows.h>

#include <string>

namespace pageshot {

// Throws std::runtime_error for an action it cannot read or an element it cannot find.
void ApplyAction(HWND window, const std::wstring& action);

// Lets posted events and timers (progress bars, tooltips) run for a while.
void PumpMessages(DWORD milliseconds);

}  // namespace pageshot
