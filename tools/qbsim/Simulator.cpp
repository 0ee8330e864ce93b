#include "tools/qbsim/Simulator.h"

#include "core/DateTime.h"
#include "tools/qbsim/Handlers.h"

namespace QbSim {

namespace {

const HRESULT kWrongTimeRange = static_cast<HRESULT>(0x80040305);
const wchar_t kEarliestDate[] = L"1901-01-01";
const wchar_t kLatestDate[] = L"2099-12-31";

}  // namespace

Simulator& Simulator::Instance()
{
    static Simulator simulator;
    return simulator;
}

void Simulator::CheckDate(double oleDate)
{
    long day = TimeEntries::DayNumber(Quorvane::DateTime::FromVariantDate(oleDate).ToString());
    bool inside = false;
    m_store.Use([&](Company& company) {
        const Json& window = company.Knobs().Get(L"DateWindow");
        inside = day >= TimeEntries::DayNumber(window.Get(L"From").AsString(kEarliestDate)) &&
                 day <= TimeEntries::DayNumber(window.Get(L"To").AsString(kLatestDate));
    });
    if (!inside)
        throw Failure(kWrongTimeRange, L"The date is outside the range of dates QuickBooks accepts.");
}

Json Simulator::Answer(const std::wstring& requestKind, const Json& request)
{
    RequestHandler handler = FindHandler(requestKind);
    Json response;
    m_store.Use([&](Company& company) { response = handler(company, request); });
    m_faults.Shape(requestKind, response);
    return response;
}

}  // namespace QbSim
