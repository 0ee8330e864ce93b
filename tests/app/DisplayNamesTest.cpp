#include <gtest/gtest.h>

#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/Employee.h"

using namespace Quorvane;

namespace {

Employee MakeEmployee(const wchar_t* first, const wchar_t* middle, const wchar_t* last)
{
    Employee employee;
    employee.SetId(L"7");
    employee.SetFirstName(first);
    employee.SetMiddleName(middle);
    employee.SetLastName(last);
    employee.SetUserName(L"jsmith");
    return employee;
}

TEST(FormatEmployeeName, BothFormsWithAndWithoutMiddleNameAndPostfix)
{
    Config withPostfix;
    Config::NamePostfixes postfixes;
    postfixes[L"7"] = L" (2)";
    withPostfix.SetNamePostfixes(postfixes);

    struct Case {
        const wchar_t* middle;
        const Config* config;
        bool lastNameFirst;
        const wchar_t* expected;
    } cases[] = {
        { L"Q", 0, true, L"Smith, John Q. (jsmith)" },
        { L"", 0, true, L"Smith, John (jsmith)" },
        { L"Quincy", &withPostfix, true, L"Smith, John Quincy. (jsmith)" },
        { L"Q", 0, false, L"John Q Smith" },
        { L"", 0, false, L"John Smith" },
        { L"Q", &withPostfix, false, L"John Q Smith (2)" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, FormatEmployeeName(c.config, MakeEmployee(L"John", c.middle, L"Smith"), c.lastNameFirst))
            << c.expected;
    }
}

TEST(JoinNameParts, SeparatorsOnlyAfterSomethingWritten)
{
    struct Case {
        bool project, task, notes;
        const wchar_t* projectText;
        const wchar_t* taskText;
        const wchar_t* expected;
    } cases[] = {
        { false, false, true, L"Roof", L"Day 1", L"Call" },
        { true, true, true, L"Roof", L"", L"Roof : Call" },
        { true, true, true, L"Roof", L"Day 1", L"Roof Day 1 : Call" },
        { false, true, true, L"Roof", L"Day 1", L"Day 1 : Call" },
        { true, false, false, L"", L"Day 1", L"" },
        { false, false, false, L"Roof", L"Day 1", L"" },
    };
    for (const Case& c : cases) {
        Config config;
        config.SetProjectNameDescription(c.project);
        config.SetTaskNameDescription(c.task);
        config.SetTimeTrackDescription(c.notes);
        EXPECT_EQ(c.expected, JoinNameParts(config, c.projectText, c.taskText, L"Call")) << c.expected;
    }
}

}  // namespace
