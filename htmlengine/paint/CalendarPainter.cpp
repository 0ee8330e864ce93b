#include "htmlengine/paint/CalendarPainter.h"

#include "htmlengine/document/controls/CalendarGeometry.h"
#include "htmlengine/document/controls/DateControl.h"
#include "htmlengine/layout/TextMeasurer.h"
#include "htmlengine/paint/PaintContext.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/Palette.h"
#include "htmlengine/paint/PopupPlacement.h"
#include "htmlengine/paint/StockGlyphs.h"

#include <string>

namespace htmlengine {

namespace {

const wchar_t* const kMonths[] = { L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                   L"July",    L"August",   L"September", L"October", L"November", L"December" };
const wchar_t* const kWeekdays[] = { L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa", L"Su" };

struct Frame {
    PaintContext& context;
    const Font& font;
    Color accent;
    Point origin;

    Rect At(const Rect& r) const { return r.Offset(origin.x, origin.y); }
    void Centered(const Rect& area, const std::wstring& text, Color color) const
    {
        int width = context.measurer.Width(font, text);
        FontMetrics metrics = context.measurer.Metrics(font);
        Rect r = At(area);
        context.painter.DrawString(
            { r.x + (r.width - width) / 2, r.y + (r.height - metrics.ascent - metrics.descent) / 2 + metrics.ascent },
            text, font, color);
    }
};

void PaintHeader(const Frame& frame, const DateControl& date, int firstDay)
{
    Day month = date.ShownMonth();
    frame.Centered(calendar::Title(), std::wstring(kMonths[month.month - 1]) + L" " + std::to_wstring(month.year),
                   palette::kText);
    auto button = [&](const Rect& area, const wchar_t* glyph) {
        Rect r = frame.At(area);
        PaintStockImage(glyph, { r.x + (r.width - 10) / 2, r.y + (r.height - 10) / 2, 10, 10 }, palette::kSecondaryText,
                        frame.context.painter);
    };
    button(calendar::PreviousButton(), L"stock:chevron-left");
    button(calendar::NextButton(), L"stock:chevron-right");
    for (int column = 0; column < kCalendarColumns; ++column)
        frame.Centered(calendar::WeekdayCell(column), kWeekdays[(firstDay + column) % 7], palette::kSecondaryText);
}

void PaintDay(const Frame& frame, const DateControl& date, const Day& day, const Rect& cell)
{
    Painter& painter = frame.context.painter;
    Rect r = Inset(frame.At(cell), { 1, 2, 1, 2 });
    bool chosen = date.Chosen() && *date.Chosen() == day;
    if (chosen)
        painter.FillRoundRect(r, 3, frame.accent);
    else if (day == date.Highlighted())
        painter.FillRoundRect(r, 3, palette::kHover);
    if (day == Today())
        painter.StrokeRoundRect(r, 3, 1, chosen ? palette::kWhite : frame.accent);
    Color text = chosen                                 ? palette::kWhite
                 : day.month == date.ShownMonth().month ? palette::kText
                                                        : palette::kDisabledText;
    frame.Centered(cell, std::to_wstring(day.day), text);
}

}  // namespace

void PaintCalendar(DateControl& date, const Element& input, const Rect& anchor, Size viewport,
                   const ComputedStyle& style, PaintContext& context)
{
    Rect area = PlaceUnder(anchor, { calendar::kWidth, calendar::kHeight }, viewport);
    date.PlaceCalendar(area);
    context.painter.FillRoundRect(area, 3, palette::kWhite);
    context.painter.StrokeRoundRect(area, 3, 1, palette::kPopupBorder);
    Frame frame { context, *style.font, style.accentColor, { area.x, area.y } };
    int firstDay = DateControl::FirstDayOfWeek(input);
    PaintHeader(frame, date, firstDay);
    Day start = GridStart(date.ShownMonth().year, date.ShownMonth().month, firstDay);
    for (int row = 0; row < kCalendarRows; ++row)
        for (int column = 0; column < kCalendarColumns; ++column)
            PaintDay(frame, date, AddDays(start, row * kCalendarColumns + column), calendar::DayCell(row, column));
}

}  // namespace htmlengine
