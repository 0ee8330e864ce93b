#pragma once
// What a frame of an engine window draws, one line per drawing call of the engine's recording
// painter; it needs nothing but the engine's test hooks, so engine and program tests share it.
#include <windows.h>

#include <string>
#include <vector>

std::vector<std::wstring> PaintedLines(HWND window);
