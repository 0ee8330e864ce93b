#include "tools/qbsim/Handlers.h"

#include <algorithm>

namespace QbSim {

namespace {

// With the elements without which QBFC does not send a request of the kind.
struct HandlerEntry {
    const wchar_t* kind;
    RequestHandler handler;
    const wchar_t* required;
};

const HandlerEntry kHandlers[] = {
    { L"TimeTrackingQuery", TimeTrackingQuery, L"" },
    { L"TimeTrackingAdd", TimeTrackingAdd, L"TxnDate EntityRef Duration" },
    { L"TimeTrackingMod", TimeTrackingMod, L"TxnID EditSequence EntityRef Duration" },
    { L"TxnDel", TxnDel, L"TxnDelType TxnID" },
    { L"EmployeeQuery", EmployeeQuery, L"" },
    { L"EmployeeAdd", EmployeeAdd, L"" },
    { L"EmployeeMod", EmployeeMod, L"ListID EditSequence" },
    { L"CustomerQuery", CustomerQuery, L"" },
    { L"CustomerAdd", CustomerAdd, L"Name" },
    { L"ItemServiceQuery", ItemServiceQuery, L"" },
    { L"ItemServiceAdd", ItemServiceAdd, L"Name" },
    { L"ItemQuery", ItemQuery, L"" },
    { L"AccountQuery", AccountQuery, L"" },
    { L"PayrollItemWageQuery", PayrollItemWageQuery, L"" },
    { L"PreferencesQuery", PreferencesQuery, L"" },
    { L"CompanyQuery", CompanyQuery, L"" },
};

const int kHandlerCount = static_cast<int>(sizeof(kHandlers) / sizeof(kHandlers[0]));

}  // namespace

int RequestKindIndex(const std::wstring& requestKind)
{
    for (int i = 0; i < kHandlerCount; ++i)
        if (requestKind == kHandlers[i].kind)
            return i;
    return -1;
}

std::wstring RequestKindAt(int index)
{
    return index >= 0 && index < kHandlerCount ? kHandlers[index].kind : L"";
}

RequestHandler FindHandler(const std::wstring& requestKind)
{
    int index = RequestKindIndex(requestKind);
    return index < 0 ? 0 : kHandlers[index].handler;
}

std::wstring MissingRequiredElement(const std::wstring& requestKind, const Json& request)
{
    int index = RequestKindIndex(requestKind);
    std::wstring required = index < 0 ? L"" : kHandlers[index].required;
    for (size_t start = 0; start < required.size();) {
        size_t end = std::min(required.find(L' ', start), required.size());
        std::wstring element = required.substr(start, end - start);
        if (!request.Has(element))
            return element;
        start = end + 1;
    }
    return L"";
}

}  // namespace QbSim
