#include "tools/qbsim/Handlers.h"

namespace QbSim {

namespace {

struct HandlerEntry {
    const wchar_t* kind;
    RequestHandler handler;
};

const HandlerEntry kHandlers[] = {
    { L"TimeTrackingQuery", TimeTrackingQuery }, { L"TimeTrackingAdd", TimeTrackingAdd },
    { L"TimeTrackingMod", TimeTrackingMod }, { L"TxnDel", TxnDel },
    { L"EmployeeQuery", EmployeeQuery }, { L"EmployeeAdd", EmployeeAdd }, { L"EmployeeMod", EmployeeMod },
    { L"CustomerQuery", CustomerQuery }, { L"CustomerAdd", CustomerAdd },
    { L"ItemServiceQuery", ItemServiceQuery }, { L"ItemServiceAdd", ItemServiceAdd }, { L"ItemQuery", ItemQuery },
    { L"AccountQuery", AccountQuery }, { L"PayrollItemWageQuery", PayrollItemWageQuery },
    { L"PreferencesQuery", PreferencesQuery }, { L"CompanyQuery", CompanyQuery },
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

}  // namespace QbSim
