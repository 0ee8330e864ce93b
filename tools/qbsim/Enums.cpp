#include "tools/qbsim/Enums.h"

#include <map>
#include <mutex>
#include <stdexcept>

#include "core/TextCodec.h"
#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/Schema.h"

namespace QbSim {

namespace {

struct EnumEntry {
    const wchar_t* name;
    const wchar_t* values;  // names in current order, from 0; "=n" sets a name's number
    std::vector<std::pair<int, int>> early;
};

const EnumEntry kEnums[] = {
    { L"ActiveStatus", L"ActiveOnly InactiveOnly All", {} },
    { L"BillableStatus", L"Billable NotBillable HasBeenBilled", {} },
    { L"UseTimeDataToCreatePaychecks", L"NotSet UseTimeData DoNotUseTimeData", {} },
    { L"FirstDayOfWeek", L"Monday Tuesday Wednesday Thursday Friday Saturday Sunday", {} },
    { L"metaData", L"NoMetaData MetaDataOnly MetaDataAndResponseData", {} },
    { L"iterator", L"Start Continue Stop", {} },
    { L"TxnDelType", L"TimeTracking=21", { { 21, 17 }, { 17, 21 } } },
    { L"WageType",
      L"Hourly Salary Bonus Commission HourlyOvertime HourlyRegular HourlySick HourlyVacation "
      L"SalaryRegular SalarySick SalaryVacation",
      { { 5, 2 }, { 2, 5 }, { 6, 3 }, { 3, 6 } } },
    { L"AccountType",
      L"AccountsPayable AccountsReceivable Bank CostOfGoodsSold CreditCard Equity Expense "
      L"FixedAsset Income LongTermLiability NonPosting OtherAsset OtherCurrentAsset "
      L"OtherCurrentLiability OtherExpense OtherIncome",
      { { 10, 15 }, { 11, 10 }, { 12, 11 }, { 13, 12 }, { 14, 13 }, { 15, 14 } } },
};

void AddValue(EnumDef& enumeration, const std::wstring& name, int number)
{
    enumeration.numbers[name] = number;
    enumeration.names[number] = name;
}

EnumDef ParseEnum(const EnumEntry& entry)
{
    EnumDef enumeration = { entry.name, {}, {}, entry.early };
    std::wstring words = entry.values;
    int next = 0;
    for (size_t start = 0; start < words.size();) {
        size_t end = words.find(L' ', start);
        std::wstring word = words.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        size_t equals = word.find(L'=');
        if (equals != std::wstring::npos) {
            next = std::stoi(word.substr(equals + 1));
            word = word.substr(0, equals);
        }
        AddValue(enumeration, word, next++);
        start = end == std::wstring::npos ? words.size() : end + 1;
    }
    return enumeration;
}

// Named after what they name, numbered in the simulator's own order: real QBFC numbers them
// differently from version to version, which is why the program reads them by name.
EnumDef NamesEnum(const wchar_t* name, const wchar_t* prefix, const wchar_t* suffix,
                  const std::vector<std::wstring>& names)
{
    EnumDef enumeration = { name, {}, {}, {} };
    for (const std::wstring& each : names)
        AddValue(enumeration, prefix + each + suffix, static_cast<int>(enumeration.numbers.size()));
    return enumeration;
}

std::vector<std::wstring> RequestKinds()
{
    std::vector<std::wstring> kinds;
    for (int index = 0; !RequestKindAt(index).empty(); ++index)
        kinds.push_back(RequestKindAt(index));
    return kinds;
}

const std::map<std::wstring, EnumDef>& AllEnums()
{
    static std::map<std::wstring, EnumDef> enums;
    static std::once_flag built;
    std::call_once(built, [] {
        for (const EnumEntry& entry : kEnums)
            enums[entry.name] = ParseEnum(entry);
        enums[L"ObjectType"] = NamesEnum(L"ObjectType", L"ot", L"", ObjectTypeNames());
        enums[L"ResponseType"] = NamesEnum(L"ResponseType", L"rt", L"Rs", RequestKinds());
    });
    return enums;
}

int Translated(const EnumDef& enumeration, int number, bool fromCurrent)
{
    for (const auto& pair : enumeration.early)
        if ((fromCurrent ? pair.first : pair.second) == number)
            return fromCurrent ? pair.second : pair.first;
    return number;
}

ComFailure NotAValue(const EnumDef& enumeration, const std::wstring& value)
{
    return Failure(E_INVALIDARG, L"qbsim: " + value + L" is not a value of EN" + enumeration.name + L".");
}

}  // namespace

const EnumDef& FindEnum(const std::wstring& name)
{
    auto found = AllEnums().find(name);
    if (found == AllEnums().end())
        throw std::runtime_error("qbsim: unknown enumeration " + std::string(Quorvane::WideToUtf8(name).c_str()));
    return found->second;
}

int FromSentNumber(const EnumDef& enumeration, int sent, bool earlyNumbering)
{
    return earlyNumbering ? Translated(enumeration, sent, false) : sent;
}

int ToSentNumber(const EnumDef& enumeration, int value, bool earlyNumbering)
{
    return earlyNumbering ? Translated(enumeration, value, true) : value;
}

int NumberOfName(const EnumDef& enumeration, const std::wstring& name)
{
    auto found = enumeration.numbers.find(name);
    if (found == enumeration.numbers.end())
        throw NotAValue(enumeration, L"\"" + name + L"\"");
    return found->second;
}

std::wstring NameOfNumber(const EnumDef& enumeration, int number)
{
    auto found = enumeration.names.find(number);
    if (found == enumeration.names.end())
        throw NotAValue(enumeration, std::to_wstring(number));
    return found->second;
}

}  // namespace QbSim
