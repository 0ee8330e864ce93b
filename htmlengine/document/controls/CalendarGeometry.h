#pragma once
// Where the parts of the date input's calendar popup lie, relative to its top-left corner:
// a header with the month's name between a previous and a next button, a row of weekday
// names, then six rows of seven days. The painter draws it and the mouse hits it from here.
#include "htmlengine/document/geometry/Geometry.h"

namespace htmlengine {

namespace calendar {

constexpr int kPadding = 8;
constexpr int kCellWidth = 28;
constexpr int kCellHeight = 24;
constexpr int kHeaderHeight = 28;
constexpr int kWeekdayHeight = 20;
constexpr int kWidth = 2 * kPadding + 7 * kCellWidth;
constexpr int kHeight = 2 * kPadding + kHeaderHeight + kWeekdayHeight + 6 * kCellHeight;

inline Rect PreviousButton()
{
    return { kPadding, kPadding, kCellWidth, kHeaderHeight - 4 };
}
inline Rect NextButton()
{
    return { kWidth - kPadding - kCellWidth, kPadding, kCellWidth, kHeaderHeight - 4 };
}
inline Rect Title()
{
    return { kPadding + kCellWidth, kPadding, 5 * kCellWidth, kHeaderHeight - 4 };
}
inline Rect WeekdayCell(int column)
{
    return { kPadding + column * kCellWidth, kPadding + kHeaderHeight, kCellWidth, kWeekdayHeight };
}
inline Rect DayCell(int row, int column)
{
    return { kPadding + column * kCellWidth, kPadding + kHeaderHeight + kWeekdayHeight + row * kCellHeight, kCellWidth,
             kCellHeight };
}

}  // namespace calendar

}  // namespace htmlengine
