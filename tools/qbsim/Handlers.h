#pragma once
// One function per request kind: it reads the request (JSON of what the program set), acts on
// the company and gives the response {StatusCode, StatusMessage, Detail}.
#include <string>

#include "tools/qbsim/Company.h"

namespace QbSim {

typedef Json (*RequestHandler)(Company& company, const Json& request);

// Null for a request kind the simulator does not answer.
RequestHandler FindHandler(const std::wstring& requestKind);
// The request kinds by a stable index ("TimeTrackingAdd", ...): -1 and "" past the table.
int RequestKindIndex(const std::wstring& requestKind);
std::wstring RequestKindAt(int index);
// The first element the request lacks of those QBFC requires for its kind; "" when complete.
std::wstring MissingRequiredElement(const std::wstring& requestKind, const Json& request);

Json TimeTrackingQuery(Company& company, const Json& request);
Json TimeTrackingAdd(Company& company, const Json& request);
Json TimeTrackingMod(Company& company, const Json& request);
Json TxnDel(Company& company, const Json& request);

Json EmployeeQuery(Company& company, const Json& request);
Json EmployeeAdd(Company& company, const Json& request);
Json EmployeeMod(Company& company, const Json& request);

Json CustomerQuery(Company& company, const Json& request);
Json CustomerAdd(Company& company, const Json& request);

Json ItemServiceQuery(Company& company, const Json& request);
Json ItemServiceAdd(Company& company, const Json& request);
Json ItemQuery(Company& company, const Json& request);

Json AccountQuery(Company& company, const Json& request);
Json PayrollItemWageQuery(Company& company, const Json& request);
Json PreferencesQuery(Company& company, const Json& request);
Json CompanyQuery(Company& company, const Json& request);

}  // namespace QbSim
