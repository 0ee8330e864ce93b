#include "connectors/quickbooks/requests/GetFirstDayOfWeekRequest.h"

#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void GetFirstDayOfWeekRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    m_result = 0;
    try {
        Qbfc::IPreferencesRet preferences = FindResponseDetail<Qbfc::IPreferencesRet>(response);
        m_result = preferences.TimeTrackingPreferences().FirstDayOfWeek().GetValue();
    } catch (...) {
        m_result = 0;
    }
}

}  // namespace Connectors
}  // namespace Quorvane
