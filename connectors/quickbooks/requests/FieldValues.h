#pragma once
// Reading and writing the QBFC values that several requests share.
#include <string>
#include "connectors/quickbooks/qbfc/Session.h"

namespace Quorvane {
namespace Connectors {

// Whole hours and minutes, no seconds, never negative: 135 minutes is 2:15:00.
void SetDuration(Qbfc::IQBTimeIntervalType duration, int minutes);
// Seconds are floored away and the sign is ignored: 1:30:59 is 90 minutes.
int ReadDurationMinutes(Qbfc::IQBTimeIntervalType duration);

// The field's value when the response holds the field and it is set; otherwise `fallback`.
template <typename Field, typename Value>
Value ReadIfSet(Field field, Value fallback)
{
    if (!field.IsNull() && field.IsSet())
        return field.GetValue();
    return fallback;
}

inline std::wstring ReadTextIfSet(Qbfc::IQBStringType field)
{
    return ReadIfSet(field, std::wstring());
}
inline std::wstring ReadIdIfSet(Qbfc::IQBIDType field)
{
    return ReadIfSet(field, std::wstring());
}

// The field's value when the response holds the field; otherwise `fallback`.
template <typename Field, typename Value>
Value ReadIfPresent(Field field, Value fallback)
{
    return field.IsNull() ? fallback : field.GetValue();
}

// The full name of a reference the response may leave out; empty when it does.
std::wstring ReadRefFullName(Qbfc::IQBBaseRef reference);

}  // namespace Connectors
}  // namespace Quorvane
