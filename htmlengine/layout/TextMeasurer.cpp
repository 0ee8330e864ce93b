#include "htmlengine/layout/TextMeasurer.h"

#include <algorithm>

namespace htmlengine {

int FixedTextMeasurer::Advance(const Font& font) const
{
    return std::max(1, advance_ * font.size / 12);
}

FontMetrics FixedTextMeasurer::Metrics(const Font& font)
{
    int lineHeight = std::max(1, lineHeight_ * font.size / 12);
    int ascent = lineHeight * 3 / 4;
    return { ascent, lineHeight - ascent, lineHeight };
}

int FixedTextMeasurer::Width(const Font& font, std::wstring_view text)
{
    return Advance(font) * int(text.size());
}

void FixedTextMeasurer::Extents(const Font& font, std::wstring_view text, std::vector<int>& extents)
{
    extents.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        extents[i] = Advance(font) * int(i + 1);
}

}  // namespace htmlengine
