#include "htmlengine/paint/TitleTip.h"

#include "htmlengine/layout/TextMeasurer.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"
#include "htmlengine/paint/PopupPlacement.h"

#include <algorithm>

namespace htmlengine {

namespace {

const int kPaddingX = 8, kPaddingY = 4;

}  // namespace

std::vector<std::wstring> TitleLines(const std::wstring& title)
{
    std::vector<std::wstring> lines(1);
    for (wchar_t c : title) {
        if (c == L'\r')
            lines.emplace_back();
        else if (c != L'\n')
            lines.back() += c;
    }
    return lines;
}

const Font& TipFont()
{
    static const Font* font = InternFont(Font { { L"Segoe UI", L"Tahoma", L"sans-serif" }, 12, 400, false });
    return *font;
}

void PaintTitleTip(const TitleTip& tip, Size viewport, PaintContext& context)
{
    const Font& font = TipFont();
    FontMetrics metrics = context.measurer.Metrics(font);
    int width = 0;
    for (const std::wstring& line : tip.lines)
        width = std::max(width, context.measurer.Width(font, line));
    Size size = { width + 2 * kPaddingX, int(tip.lines.size()) * metrics.lineHeight + 2 * kPaddingY };
    Rect area = PlaceUnder(tip.anchor, size, viewport);
    context.painter.FillRoundRect(area, 3, palette::kTooltipFill);
    context.painter.StrokeRoundRect(area, 3, 1, palette::kPopupBorder);
    int baseline = area.y + kPaddingY + metrics.ascent;
    for (const std::wstring& line : tip.lines) {
        context.painter.DrawString({ area.x + kPaddingX, baseline }, line, font, palette::kText);
        baseline += metrics.lineHeight;
    }
}

}  // namespace htmlengine
