#include "connectors/quickbooks/requests/FieldValues.h"

#include <cstdlib>

namespace Quorvane {
namespace Connectors {

void SetDuration(Qbfc::IQBTimeIntervalType duration, int minutes) {
    duration.SetValue(static_cast<short>(minutes / 60), static_cast<short>(minutes % 60), 0, false);
}

int ReadDurationMinutes(Qbfc::IQBTimeIntervalType duration) {
    return std::abs(duration.Hour()) * 60 + std::abs(duration.Minute()) + std::abs(duration.Second()) / 60;
}

std::wstring ReadRefFullName(Qbfc::IQBBaseRef reference) {
    return reference.IsNull() ? std::wstring() : ReadIfPresent(reference.FullName(), std::wstring());
}

}  // namespace Connectors
}  // namespace Quorvane
