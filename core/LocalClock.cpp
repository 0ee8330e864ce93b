#include "core/LocalClock.h"

namespace Quorvane {

namespace {

LocalTimeProvider g_provider = 0;

}  // namespace

SYSTEMTIME LocalNow()
{
    if (g_provider)
        return g_provider();
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return now;
}

void SetLocalTimeProvider(LocalTimeProvider provider)
{
    g_provider = provider;
}

}  // namespace Quorvane
