#include "htmlengine/document/style/ComputedStyle.h"

#include <cmath>
#include <list>

namespace htmlengine {

int Length::Resolve(int base, int fallback) const
{
    switch (unit) {
    case Unit::Px: return int(std::lround(value));
    case Unit::Percent: return int(std::lround(base * value / 100));
    default: return fallback;
    }
}

int ComputedStyle::LineHeightPx(int normal) const
{
    switch (lineHeight.kind) {
    case LineHeight::Kind::Px: return int(std::lround(lineHeight.value));
    case LineHeight::Kind::Factor: return int(std::lround(lineHeight.value * (font ? font->size : 12)));
    default: return normal;
    }
}

// Pages use a handful of fonts; a list keeps every interned font at one address for good.
const Font* InternFont(const Font& font)
{
    static std::list<Font> fonts;
    for (const Font& known : fonts)
        if (known == font)
            return &known;
    fonts.push_back(font);
    return &fonts.back();
}

}  // namespace htmlengine
