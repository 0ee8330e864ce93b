#pragma once
// The program under test as a process of its own: started with variables added to the
// driver's environment, ended when its owner goes.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace driver {

typedef std::vector<std::pair<std::wstring, std::wstring>> EnvironmentAdditions;

class ProgramProcess {
public:
    // DriverError when the program cannot be started.
    ProgramProcess(const std::wstring& executable, const EnvironmentAdditions& additions);
    // Ends the program if it still runs.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    bool Running() const;
    // True when the program ended within the time.
    bool WaitForExit(DWORD milliseconds) const;
    DWORD ExitCode() const;
    void Terminate();

private:
    PROCESS_INFORMATION m_info = {};
};

}  // namespace driver
