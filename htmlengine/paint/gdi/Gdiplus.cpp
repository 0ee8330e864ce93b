#include "htmlengine/paint/gdi/Gdiplus.h"

namespace htmlengine {

bool EnsureGdiplus()
{
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

}  // namespace htmlengine
