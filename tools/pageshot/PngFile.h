#pragma once
// Writes 32-bit pixels (blue, green, red, unused) as a PNG through GDI+, read as RGB: GDI
// leaves the fourth byte 0, so reading it as alpha would give a transparent picture.
#include <windows.h>

#include <string>

namespace pageshot {

// Throws std::runtime_error when the file cannot be written.
void WritePng(const std::wstring& path, const BYTE* pixels, UINT width, UINT height, UINT stride);

}  // namespace pageshot
