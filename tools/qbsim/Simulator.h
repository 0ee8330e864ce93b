#pragma once
// The simulator's process-wide state: the company store, the faults tests arranged, the trace
// of requests, and the latency added to each DoRequests. Every session manager in the process
// shares it.
#include <windows.h>
#include <string>
#include <vector>

#include "tools/qbsim/CompanyStore.h"
#include "tools/qbsim/Faults.h"
#include "tools/qbsim/Node.h"
#include "tools/qbsim/ProcessEnvironment.h"
#include "tools/qbsim/Trace.h"

namespace QbSim {

class Simulator {
public:
    static Simulator& Instance();

    CompanyStore& Store() { return m_store; }
    FaultTable& Faults() { return m_faults; }
    TraceLog& Trace() { return m_trace; }
    void SetLatency(DWORD milliseconds) { m_latency = milliseconds; }
    DWORD Latency() const { return m_latency; }

    // The QBFC and QuickBooks the company's knobs simulate: "QbfcVersion", "EarlyEnumNumbering"
    // and "SupportedQbXmlVersion".
    Dialect CurrentDialect();
    // Throws HRESULT 0x80040305 for a date outside the company's DateWindow.
    void CheckDate(double oleDate);
    // QBFC's refusals of a message set, each a COM error: a country other than "US", "CA" and
    // "", a version above the company's "SupportedQbXmlVersion" (default 13.0), a request
    // without an element its kind requires.
    static void CheckCountry(const std::wstring& country);
    static void CheckVersion(const Dialect& dialect, int major, int minor);
    static void CheckComplete(const std::wstring& requestKind, const Json& request);
    // Answers one request: {StatusCode, StatusSeverity, StatusMessage, Detail, Type}.
    Json Answer(const std::wstring& requestKind, const Json& request);

private:
    Simulator();
    // A fault's edit, made when the fault fires; the trace tells when that was.
    void MakeEdit(const RecordEdit& edit);

    CompanyStore m_store;
    FaultTable m_faults;
    TraceLog m_trace;
    volatile DWORD m_latency;
};

}  // namespace QbSim
