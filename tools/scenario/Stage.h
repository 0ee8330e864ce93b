#pragma once
// A fresh start for the program under test, as on a bookkeeper's first morning: a folder of
// its own with a new copy of the company file, no settings and no import logs for the
// company. Made inside the Wine prefix the program runs in.
#include <string>

#include "tools/programdriver/ProgramProcess.h"

namespace scenario {

class Stage {
public:
    // The folder is emptied; the company file is copied from the template. DriverError when
    // the folder or the copy cannot be made.
    Stage(const std::wstring& folder, const std::wstring& companyTemplate);

    const std::wstring& Folder() const { return m_folder; }
    const std::wstring& CompanyFile() const { return m_companyFile; }
    // Every request the simulator answers, one line each (QBSIM_TRACE).
    const std::wstring& TraceFile() const { return m_traceFile; }
    const std::wstring& CompanyName() const { return m_companyName; }
    std::wstring SettingsFile() const;
    std::wstring ImportLogFolder() const;
    // QBSIM_COMPANY and QBSIM_TRACE; a test may add more before it starts the program.
    driver::EnvironmentAdditions ProgramEnvironment() const;

private:
    std::wstring m_folder;
    std::wstring m_companyFile;
    std::wstring m_traceFile;
    std::wstring m_companyName;
};

}  // namespace scenario
