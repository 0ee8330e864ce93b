#include "core/DisplayNames.h"

#include <map>

#include "core/Config.h"
#include "core/Employee.h"

namespace Quorvane {

namespace {

std::wstring LastNameFirst(const Employee& employee)
{
    std::wstring name = employee.GetLastName() + L", " + employee.GetFirstName();
    if (!employee.GetMiddleName().empty())
        name += L" " + employee.GetMiddleName() + L".";
    return name + L" (" + employee.GetUserName() + L")";
}

std::wstring FirstNameFirst(const Config* config, const Employee& employee)
{
    std::wstring name = employee.GetFirstName() + L" ";
    if (!employee.GetMiddleName().empty())
        name += employee.GetMiddleName() + L" ";
    name += employee.GetLastName();
    if (config) {
        const std::map<std::wstring, std::wstring> postfixes = config->GetNamePostfixes();
        std::map<std::wstring, std::wstring>::const_iterator postfix = postfixes.find(employee.GetId());
        if (postfix != postfixes.end())
            name += postfix->second;
    }
    return name;
}

void AppendPart(std::wstring& text, const wchar_t* separator, const std::wstring& part)
{
    if (part.empty())
        return;
    if (!text.empty())
        text += separator;
    text += part;
}

}  // namespace

std::wstring FormatEmployeeName(const Config* config, const Employee& employee, bool lastNameFirst)
{
    return lastNameFirst ? LastNameFirst(employee) : FirstNameFirst(config, employee);
}

std::wstring JoinNameParts(const Config& config, const std::wstring& project, const std::wstring& task,
                           const std::wstring& notes)
{
    std::wstring text;
    if (config.GetProjectNameDescription())
        text = project;
    if (config.GetTaskNameDescription())
        AppendPart(text, L" ", task);
    if (config.GetTimeTrackDescription())
        AppendPart(text, L" : ", notes);
    return text;
}

}  // namespace Quorvane
