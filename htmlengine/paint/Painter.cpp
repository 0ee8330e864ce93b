#include "htmlengine/paint/Painter.h"

#include <algorithm>

namespace htmlengine {

Color Faded(Color color, float opacity)
{
    color.a = uint8_t(std::clamp(color.a * opacity + 0.5f, 0.f, 255.f));
    return color;
}

}  // namespace htmlengine
