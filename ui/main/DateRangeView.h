#pragma once
// The names the date-range widget shows for the range types.

// The empty text for a type without a name.
const wchar_t* GetDateRangeName(int type);
