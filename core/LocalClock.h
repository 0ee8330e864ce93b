#pragma once
// The local wall-clock time, behind a seam so that tests can fix it.
#include <windows.h>

namespace Quorvane {

SYSTEMTIME LocalNow();

typedef SYSTEMTIME (*LocalTimeProvider)();
// Null restores the system clock.
void SetLocalTimeProvider(LocalTimeProvider provider);

}  // namespace Quorvane
