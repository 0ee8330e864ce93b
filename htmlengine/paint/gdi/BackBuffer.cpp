#include "htmlengine/paint/gdi/BackBuffer.h"

#include "htmlengine/paint/gdi/TopDownDib.h"

#include <algorithm>

namespace htmlengine {

BackBuffer::BackBuffer() : dc_(CreateCompatibleDC(nullptr)) {}

BackBuffer::~BackBuffer()
{
    if (original_)
        SelectObject(dc_, original_);
    if (bitmap_)
        DeleteObject(bitmap_);
    DeleteDC(dc_);
}

bool BackBuffer::Ensure(Size size)
{
    if (size.width <= size_.width && size.height <= size_.height && bitmap_)
        return true;
    Size grown = { std::max({ size.width, size_.width, 1 }), std::max({ size.height, size_.height, 1 }) };
    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(grown, &bits);
    if (!bitmap)
        return false;
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (!original_)
        original_ = previous;
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = bitmap;
    bits_ = bits;
    size_ = grown;
    return true;
}

}  // namespace htmlengine
