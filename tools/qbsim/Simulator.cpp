#include "tools/qbsim/Simulator.h"

#include <cwchar>

#include "core/DateTime.h"
#include "tools/qbsim/Enums.h"
#include "tools/qbsim/Handlers.h"

namespace QbSim {

namespace {

const HRESULT kWrongTimeRange = static_cast<HRESULT>(0x80040305);
// QBFC's own code for a message set it will not send is not modelled; its text is.
const HRESULT kRefusedByQbfc = E_INVALIDARG;
const wchar_t kUnsupportedVersion[] = L"The version of QBXML that was requested is not supported or is unknown.";
const wchar_t kEarliestDate[] = L"1901-01-01";
const wchar_t kLatestDate[] = L"2099-12-31";
const int kDefaultQbfcVersion = 13;
const int kDefaultSupportedMajor = 13;

// "13.0" as 1300, so that versions compare as numbers.
int VersionNumber(int major, int minor)
{
    return major * 100 + minor;
}

int VersionNumber(const std::wstring& text)
{
    int major = 0;
    int minor = 0;
    std::swscanf(text.c_str(), L"%d.%d", &major, &minor);
    return VersionNumber(major, minor);
}

}  // namespace

Simulator::Simulator() : m_faults([this](const RecordEdit& edit) { MakeEdit(edit); }), m_latency(0)
{
    ArrangeFromEnvironment(m_faults, m_trace);
}

void Simulator::MakeEdit(const RecordEdit& edit)
{
    bool found = false;
    m_store.Use([&](Company& company) { found = company.Edit(edit.list, edit.id, edit.patch); });
    m_trace.Add(L"Edit " + edit.list + L" " + edit.id + L": " + edit.patch.Write() + (found ? L"" : L" (not found)"));
}

Simulator& Simulator::Instance()
{
    static Simulator simulator;
    return simulator;
}

Dialect Simulator::CurrentDialect()
{
    Dialect dialect = { kDefaultQbfcVersion, false, VersionNumber(kDefaultSupportedMajor, 0) };
    m_store.Use([&](Company& company) {
        const Json& knobs = company.Knobs();
        dialect.qbfcVersion = static_cast<int>(knobs.Get(L"QbfcVersion").AsInt(kDefaultQbfcVersion));
        dialect.earlyEnumNumbering = knobs.Get(L"EarlyEnumNumbering").AsBool(false);
        if (knobs.Has(L"SupportedQbXmlVersion"))
            dialect.supportedVersion = VersionNumber(knobs.Get(L"SupportedQbXmlVersion").AsString());
    });
    return dialect;
}

void Simulator::CheckCountry(const std::wstring& country)
{
    if (country != L"US" && country != L"CA" && !country.empty())
        throw Failure(kRefusedByQbfc, kUnsupportedVersion);
}

void Simulator::CheckVersion(const Dialect& dialect, int major, int minor)
{
    if (VersionNumber(major, minor) > dialect.supportedVersion)
        throw Failure(kRefusedByQbfc, kUnsupportedVersion);
}

void Simulator::CheckComplete(const std::wstring& requestKind, const Json& request)
{
    std::wstring missing = MissingRequiredElement(requestKind, request);
    if (!missing.empty())
        throw Failure(kRefusedByQbfc, L"The " + requestKind + L" request lacks its required element " + missing + L".");
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
    Fault fault;
    const bool faulted = m_faults.FireResponse(requestKind, fault);
    Json response = Json::MakeObject();
    if (!faulted || !fault.IsRefusal())
        m_store.Use([&](Company& company) { response = handler(company, request); });
    response.Set(L"Type", NumberOfName(FindEnum(L"ResponseType"), L"rt" + requestKind + L"Rs"));
    if (faulted)
        m_faults.Reshape(fault, response);
    return response;
}

}  // namespace QbSim
