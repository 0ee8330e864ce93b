#pragma once
// How the preview's weeks lie over the period: each week starts on the company's first day of
// the week, the first on or before the period's start, the last holding the period's end.
#include <string>
#include <vector>

#include "core/DateTime.h"

struct PreviewWeek {
    Quorvane::DateTime start;
    Quorvane::DateTime end;  // start + 6 days
};

// firstDayOfWeek: 0 = Monday to 6 = Sunday. firstWeekStart is the latest day on or before the
// period's start that falls on that day; boundary the earliest such day on or after its end.
void GetWeekBounds(const Quorvane::DateTime& periodStart, const Quorvane::DateTime& periodEnd, int firstDayOfWeek,
                   Quorvane::DateTime& firstWeekStart, Quorvane::DateTime& boundary);

// Every week from the first week start while it starts before the boundary, which moves one
// week later when it is the period's end, so that a period ending on a first day shows that week.
std::vector<PreviewWeek> LayWeeks(const Quorvane::DateTime& periodStart, const Quorvane::DateTime& periodEnd,
                                  int firstDayOfWeek);

// "Jan 5 - 11, 2015", "Jan 26 - Feb 1, 2015", "Dec 29 - Jan 4, 2015".
std::wstring FormatWeekRange(const Quorvane::DateTime& start, const Quorvane::DateTime& end);

// The week start as "2015_01_05": the id that ties a week's rows to its header.
std::wstring WeekId(const Quorvane::DateTime& start);

// "Mo" to "Su" for the day `offset` days after the first day of the week.
std::wstring DayHeaderName(int firstDayOfWeek, int offset);

// True when the day lies in [start, end].
bool IsWithin(const Quorvane::DateTime& day, const Quorvane::DateTime& start, const Quorvane::DateTime& end);
