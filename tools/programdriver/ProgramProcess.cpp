#include "tools/programdriver/ProgramProcess.h"

#include <map>

#include "core/TextUtils.h"
#include "tools/programdriver/DriverError.h"

namespace driver {

namespace {

// One entry per name, names compared without case; the block comes out sorted.
std::vector<wchar_t> EnvironmentBlock(const EnvironmentAdditions& additions)
{
    std::map<std::wstring, std::wstring> variables;
    wchar_t* current = GetEnvironmentStringsW();
    for (const wchar_t* entry = current; *entry; entry += wcslen(entry) + 1) {
        const wchar_t* equals = wcschr(entry + 1, L'=');
        if (equals)
            variables[Quorvane::ToLower(std::wstring(entry, equals))] = entry;
    }
    FreeEnvironmentStringsW(current);
    for (const auto& addition : additions)
        variables[Quorvane::ToLower(addition.first)] = addition.first + L"=" + addition.second;
    std::vector<wchar_t> block;
    for (const auto& variable : variables) {
        block.insert(block.end(), variable.second.begin(), variable.second.end());
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& executable, const EnvironmentAdditions& additions)
{
    std::vector<wchar_t> environment = EnvironmentBlock(additions);
    std::wstring commandLine = L"\"" + executable + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), nullptr, &startup, &m_info))
        throw DriverError(L"cannot start " + executable + L" (error " + std::to_wstring(GetLastError()) + L")");
}

ProgramProcess::~ProgramProcess()
{
    Terminate();
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool ProgramProcess::Running() const
{
    return !WaitForExit(0);
}

bool ProgramProcess::WaitForExit(DWORD milliseconds) const
{
    return WaitForSingleObject(m_info.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void ProgramProcess::Terminate()
{
    if (Running()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForExit(5000);
    }
}

}  // namespace driver
