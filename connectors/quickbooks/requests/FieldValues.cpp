#include "connectors/quickbooks/requests/FieldValues.h"

#include <cstdlib>

namespace Quorvane {
namespace Connectors {

void SetDuration(Qbfc::IQBTimeIntervalType duration, int minutes)
{
    duration.SetValue(static_cast<short>(minutes / 60), static_cast<short>(minutes % 60), 0, false);
}

int ReadDurationMinutes(Qbfc::IQBTimeIntervalType duration)
{
    short hours = 0;
    short minutes = 0;
    short seconds = 0;
    bool negative = false;
    duration.GetValue(hours, minutes, seconds, negative);
    return std::abs(hours) * 60 + std::abs(minutes) + std::abs(seconds) / 60;
}

std::wstring ReadRefFullName(Qbfc::IQBBaseRef reference)
{
    return reference.IsNull() ? std::wstring() : ReadIfPresent(reference.FullName(), std::wstring());
}

}  // namespace Connectors
}  // namespace Quorvane
