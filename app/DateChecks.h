#pragma once
// A date that is no calendar date converts to a zero FILETIME.
#include "core/DateTime.h"

inline bool IsValidDate(const Quorvane::DateTime& date) {
    const FILETIME time = date.ToFileTime();
    return time.dwLowDateTime != 0 || time.dwHighDateTime != 0;
}
