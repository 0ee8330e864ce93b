#pragma once
// A window's back buffer: a 32-bit top-down DIB in a memory DC, as large as the client area.
// GDI leaves the fourth byte of each pixel 0; it is no alpha (wrap it as 32bpp RGB).
#include "htmlengine/document/geometry/Geometry.h"

#include <windows.h>

#include <cstdint>

namespace htmlengine {

class BackBuffer {
public:
    BackBuffer();
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Grows (never shrinks below) to hold `size`; false when the bitmap cannot be made.
    bool Ensure(Size size);
    HDC Dc() const { return dc_; }
    const unsigned char* Pixels() const { return static_cast<const unsigned char*>(bits_); }
    // For drawing into directly (after GdiFlush); rows of Extent().width pixels.
    uint32_t* MutablePixels() { return static_cast<uint32_t*>(bits_); }
    Size Extent() const { return size_; }
    int Stride() const { return size_.width * 4; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    void* bits_ = nullptr;
    Size size_;
};

}  // namespace htmlengine
