#include "htmlengine/layout/ListMarkers.h"

#include "htmlengine/layout/BoxState.h"

namespace htmlengine {

namespace {

const int kMarkerGap = 6;

std::wstring Letters(int number, wchar_t first)
{
    std::wstring text;
    for (int n = number; n > 0; n = (n - 1) / 26)
        text.insert(text.begin(), wchar_t(first + (n - 1) % 26));
    return text;
}

std::wstring MarkerText(ListStyleType type, int index)
{
    switch (type) {
    case ListStyleType::Disc: return L"\u2022";
    case ListStyleType::Circle: return L"\u25E6";
    case ListStyleType::Square: return L"\u25AA";
    case ListStyleType::Decimal: return std::to_wstring(index) + L".";
    case ListStyleType::LowerAlpha: return Letters(index, L'a') + L".";
    case ListStyleType::UpperAlpha: return Letters(index, L'A') + L".";
    default: return std::wstring();
    }
}

// The first baseline of the item: its first line's, or its first child's.
int FirstBaseline(const Box& box, int fallback)
{
    if (!box.lines.empty())
        return box.lines.front().baseline;
    for (const std::unique_ptr<Box>& child : box.children)
        if (!child->style->IsOutOfFlow())
            return child->frame.y + FirstBaseline(*child, fallback - child->frame.y);
    return fallback;
}

}  // namespace

void AddListMarker(Box& item, LayoutContext& context)
{
    std::wstring text = MarkerText(item.style->listStyleType, StateOf(item).listIndex);
    if (text.empty())
        return;
    const Font* font = item.style->font;
    const FontMetrics& metrics = context.text.Metrics(font);
    int top = item.border.top + item.padding.top;
    int baseline = FirstBaseline(item, top + metrics.ascent);
    TextRun marker;
    marker.text = text;
    marker.font = font;
    marker.style = item.style.get();
    marker.element = item.element;
    int width = context.text.Width(font, text);
    marker.rect = { item.border.left + item.padding.left - kMarkerGap - width, baseline - metrics.ascent, width,
                    metrics.ascent + metrics.descent };
    marker.baseline = baseline;
    item.runs.insert(item.runs.begin(), marker);
}

}  // namespace htmlengine
