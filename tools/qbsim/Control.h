#pragma once
// The test control of the simulator, as a C++ API of the engine library. The DLL exports the
// same operations as C functions (ControlExports.cpp) for tests that load it.
#include <windows.h>
#include <string>
#include <vector>

#include "tools/qbsim/Faults.h"

namespace QbSim {
namespace Control {

// An empty company in memory (no file), no faults, no trace, no latency.
void Reset();
// Replaces the company with a company file's JSON text (std::runtime_error when malformed).
void Seed(const std::wstring& companyJson);
std::wstring Snapshot();
// Keeps the company in this file from now on (read now when it exists); "" for memory only.
void UseCompanyFile(const std::wstring& path);

// Behind the program's back. `list` is "Employees", "Customers", "Items", "Accounts",
// "PayrollItemWages", "Vendors" or "TimeEntries". Edit merges the JSON object's members
// into the record and gives it a new EditSequence ({"BillableStatus":2} bills an entry).
bool Edit(const std::wstring& list, const std::wstring& id, const std::wstring& patchJson);
bool Delete(const std::wstring& list, const std::wstring& id);

void InjectFault(const Fault& fault);
// The same from JSON: {"stage":"DoRequests", "request":"TimeTrackingAdd", "member":"TxnDate",
// "skip":0, "times":1, "hresult":"0x8004041C", "description":"...", "noDescription":true,
// "viaException":true, "shape":"Status|Warning|NullDetail|OtherDetail|OmitElement|UntypedDetail",
// "status":3120, "severity":"Warn", "message":"...", "nullMessage":true, "element":"EditSequence",
// "edit":{"list":"TimeEntries", "id":"...", "patch":{"BillableStatus":2}}}; all but "stage"
// optional. With "edit" the fault makes that Edit when it fires, and the call goes on:
// {"stage":"DoRequests", "request":"TimeTrackingQuery", "skip":1, "edit":...} bills an entry
// just before QuickBooks answers the second time-tracking query.
Fault ParseFault(const std::wstring& faultJson);
void ClearFaults();

void SetLatency(DWORD milliseconds);
std::vector<std::wstring> Trace();
void ClearTrace();

}  // namespace Control
}  // namespace QbSim
