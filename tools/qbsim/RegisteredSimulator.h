#pragma once
// qbsim.dll loaded into a test process and registered in the registry of the Wine prefix, as
// QuickBooks would be installed: COM then loads it into any apartment (a connector's worker
// thread included). The control methods call the DLL's exports (the module COM uses) and
// throw std::runtime_error when one fails. Registration is machine-wide: tests that use this
// hold the ctest resource lock "qbsim_registration". The DLL must lie beside the test.
#include <windows.h>
#include <string>
#include <vector>

namespace QbSim {

class RegisteredSimulator {
public:
    RegisteredSimulator();  // loads, resets and registers
    ~RegisteredSimulator();  // unregisters and resets; the DLL stays loaded

    void Seed(const std::wstring& companyJson);
    std::wstring Snapshot();
    void UseCompanyFile(const std::wstring& path);
    bool Edit(const std::wstring& list, const std::wstring& id, const std::wstring& patchJson);
    bool Delete(const std::wstring& list, const std::wstring& id);
    void InjectFault(const std::wstring& faultJson);  // as Control::ParseFault reads it
    void ClearFaults();
    void SetLatency(DWORD milliseconds);
    std::vector<std::wstring> Trace();
    void ClearTrace();
    // Removes the registration: the "QuickBooks not installed" case.
    void Unregister();
    // Registers under `progId` ("QBFC13.QBSessionManager") only, with a class id of the
    // simulator's own whose objects offer IDispatch alone.
    void RegisterUnderProgIdOnly(const std::wstring& progId);

private:
    RegisteredSimulator(const RegisteredSimulator&);
    RegisteredSimulator& operator=(const RegisteredSimulator&);

    void* Export(const char* name) const;
    HRESULT Call(const char* name) const;
    std::wstring Read(const char* name) const;

    HMODULE m_module;
};

}  // namespace QbSim
