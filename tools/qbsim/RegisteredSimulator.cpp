#include "tools/qbsim/RegisteredSimulator.h"

#include <sstream>
#include <stdexcept>

#include "tools/qbsim/QbSimExports.h"

namespace QbSim {

namespace {

HRESULT Checked(HRESULT hr, const char* what)
{
    if (FAILED(hr))
        throw std::runtime_error(std::string("qbsim.dll: ") + what + " failed");
    return hr;
}

}  // namespace

RegisteredSimulator::RegisteredSimulator() : m_module(LoadLibraryW(L"qbsim.dll"))
{
    if (!m_module)
        throw std::runtime_error("qbsim.dll: cannot be loaded");
    Checked(Call("QbSimReset"), "QbSimReset");
    Checked(Call("DllRegisterServer"), "DllRegisterServer");
}

RegisteredSimulator::~RegisteredSimulator()
{
    Call("DllUnregisterServer");
    Call("QbSimReset");
}

void* RegisteredSimulator::Export(const char* name) const
{
    void* function = reinterpret_cast<void*>(GetProcAddress(m_module, name));
    if (!function)
        throw std::runtime_error(std::string("qbsim.dll: no export ") + name);
    return function;
}

HRESULT RegisteredSimulator::Call(const char* name) const
{
    return reinterpret_cast<QbSimNoArgument>(Export(name))();
}

std::wstring RegisteredSimulator::Read(const char* name) const
{
    BSTR text = 0;
    Checked(reinterpret_cast<QbSimRead>(Export(name))(&text), name);
    std::wstring result(text ? text : L"", SysStringLen(text));
    SysFreeString(text);
    return result;
}

void RegisteredSimulator::Seed(const std::wstring& companyJson)
{
    Checked(reinterpret_cast<QbSimText>(Export("QbSimSeed"))(companyJson.c_str()), "QbSimSeed");
}

std::wstring RegisteredSimulator::Snapshot()
{
    return Read("QbSimSnapshot");
}

void RegisteredSimulator::UseCompanyFile(const std::wstring& path)
{
    Checked(reinterpret_cast<QbSimText>(Export("QbSimUseCompanyFile"))(path.c_str()), "QbSimUseCompanyFile");
}

bool RegisteredSimulator::Edit(const std::wstring& list, const std::wstring& id, const std::wstring& patchJson)
{
    QbSimEditRecord edit = reinterpret_cast<QbSimEditRecord>(Export("QbSimEdit"));
    return Checked(edit(list.c_str(), id.c_str(), patchJson.c_str()), "QbSimEdit") == S_OK;
}

bool RegisteredSimulator::Delete(const std::wstring& list, const std::wstring& id)
{
    QbSimDeleteRecord remove = reinterpret_cast<QbSimDeleteRecord>(Export("QbSimDelete"));
    return Checked(remove(list.c_str(), id.c_str()), "QbSimDelete") == S_OK;
}

void RegisteredSimulator::InjectFault(const std::wstring& faultJson)
{
    Checked(reinterpret_cast<QbSimText>(Export("QbSimInjectFault"))(faultJson.c_str()), "QbSimInjectFault");
}

void RegisteredSimulator::ClearFaults()
{
    Checked(Call("QbSimClearFaults"), "QbSimClearFaults");
}

void RegisteredSimulator::SetLatency(DWORD milliseconds)
{
    Checked(reinterpret_cast<QbSimLatency>(Export("QbSimSetLatency"))(milliseconds), "QbSimSetLatency");
}

std::vector<std::wstring> RegisteredSimulator::Trace()
{
    std::wistringstream text(Read("QbSimTrace"));
    std::vector<std::wstring> lines;
    for (std::wstring line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

void RegisteredSimulator::ClearTrace()
{
    Checked(Call("QbSimClearTrace"), "QbSimClearTrace");
}

void RegisteredSimulator::Unregister()
{
    Checked(Call("DllUnregisterServer"), "DllUnregisterServer");
}

void RegisteredSimulator::RegisterUnderProgIdOnly(const std::wstring& progId)
{
    Unregister();
    QbSimText registerProgId = reinterpret_cast<QbSimText>(Export("QbSimRegisterProgIdOnly"));
    Checked(registerProgId(progId.c_str()), "QbSimRegisterProgIdOnly");
}

}  // namespace QbSim
