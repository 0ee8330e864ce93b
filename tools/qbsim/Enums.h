#pragma once
// QBFC's enumerations as the simulator answers them. A value is kept as its number in the
// current numbering (the company file's form); SetValue and GetValue speak the numbering of
// the simulated QBFC, SetAsString and GetAsString the value's name ("TimeTracking", "Bonus").
//
// Early QBFC versions numbered some enumerations differently. The early numbering is modelled
// as far as it is known (TxnDelType TimeTracking 17; wage types HourlyRegular 2 and
// HourlySick 3; account types in qbXML 3.0 order, NonPosting last); a value whose early number
// is not known trades numbers with the one that took its place.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace QbSim {

struct EnumDef {
    std::wstring name;  // "AccountType"
    std::map<std::wstring, int> numbers;  // the current number of each name
    std::map<int, std::wstring> names;  // and back
    std::vector<std::pair<int, int>> early;  // current and early number, where they differ
};

// Throws std::runtime_error for an enumeration that is not modelled. "ObjectType" names every
// object of the schema ("otTimeTrackingRetList"), "ResponseType" every response ("rtTimeTrackingQueryRs").
const EnumDef& FindEnum(const std::wstring& name);

// The current number of a value sent in the simulated numbering, and back.
int FromSentNumber(const EnumDef& enumeration, int sent, bool earlyNumbering);
int ToSentNumber(const EnumDef& enumeration, int value, bool earlyNumbering);

// Name and current number; both throw the simulator's E_INVALIDARG failure for a value the
// enumeration does not have.
int NumberOfName(const EnumDef& enumeration, const std::wstring& name);
std::wstring NameOfNumber(const EnumDef& enumeration, int value);

}  // namespace QbSim
