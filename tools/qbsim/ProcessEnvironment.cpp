#include "tools/qbsim/ProcessEnvironment.h"

#include <windows.h>

#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"

namespace QbSim {

namespace {

std::wstring Variable(const wchar_t* name)
{
    DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0)
        return std::wstring();
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(name, &value[0], length));
    return value;
}

}  // namespace

void ArrangeFromEnvironment(FaultTable& faults, TraceLog& trace)
{
    std::wstring faultList = Variable(L"QBSIM_FAULTS");
    if (!faultList.empty()) {
        Json list = Json::Parse(faultList);
        for (const Json& fault : list.Items())
            faults.Add(Control::ParseFault(fault.Write()));
    }
    std::wstring tracePath = Variable(L"QBSIM_TRACE");
    if (!tracePath.empty())
        trace.MirrorTo(tracePath);
}

}  // namespace QbSim
