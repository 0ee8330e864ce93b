#include "app/missing/CreationFailureTexts.h"

#include <sstream>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/missing/MissingItem.h"
#include "connectors/quickbooks/QBStatusMessage.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"

namespace Quorvane {

namespace {

const wchar_t* const kWays = L"You may resolve this issue the following ways:<br>";
const wchar_t* const kAfterThat =
    L"After that you need to hit 'Reload' on main Pellworth window and repeat missing items creation";

std::wstring KindWord(int kind)
{
    switch (kind) {
    case MissingItem::EmployeeKind: return L"employee";
    case MissingItem::CustomerKind: return L"customer";
    case MissingItem::JobKind: return L"job";
    default: return L"service item";
    }
}

std::wstring DisplayName(const MainModel& model, const MissingItem& item)
{
    if (item.GetKind() != MissingItem::EmployeeKind)
        return item.GetName();
    try {
        const boost::shared_ptr<Employee> user = model.GetServerEmployees()->FindById(item.GetName());
        const boost::shared_ptr<Config> config = model.GetConfig();
        return FormatEmployeeName(config.get(), *user, false);
    } catch (const NotFoundException&) {
        return item.GetName();
    }
}

// The caller escapes it.
std::wstring OtherProblem(int code, const std::wstring& errorText)
{
    if (!errorText.empty())
        return errorText;
    if (code == 1)
        return L"Unknown";
    std::wostringstream problem;
    problem << L"Error code: " << code;
    const std::wstring message = Connectors::QBStatusMessage(code);
    if (!message.empty())
        problem << L", " << message;
    return problem.str();
}

std::wstring RenameOnServer(const MainModel& model, const EmployeeDiff& diff)
{
    const boost::shared_ptr<Config> config = model.GetConfig();
    if (config->GetServiceItemGroup())
        return L"billing type";
    return L"user \x2018" + HtmlEscape(diff.GetServerUser()->GetFullName()) + L"\x2019";
}

}  // namespace

CreationFailureTexts MakeCreationFailureTexts(const MainModel& model, const MissingItem& item, const EmployeeDiff& diff,
                                              int code, const std::wstring& errorText)
{
    const std::wstring kind = KindWord(item.GetKind());
    CreationFailureTexts texts;
    texts.title = L"Cannot create " + kind;
    const std::wstring name = DisplayName(model, item);
    texts.heading = texts.title + L" \"" + HtmlEscape(name) + L"\"";
    std::wstring plainProblem;
    if (code == 3070) {
        texts.problem = L"The " + kind + L" item  name is too long.";
        texts.resolution = kWays + (L"Rename the " + kind + L" item<br>") + kAfterThat;
    } else if (code == 3100) {
        texts.problem = L"There is existing " + kind + L" item with the same name";
        texts.resolution = kWays + (L"1. Rename the " + kind + L" item<br>") + L"2. Rename the " +
                           RenameOnServer(model, diff) + L" on Quorvane<br><br>" + kAfterThat;
    } else {
        plainProblem = OtherProblem(code, errorText);
        texts.problem = HtmlEscape(plainProblem);
        texts.resolution =
            L"Try to create the specified item manually in QuickBooks and then hit 'Reload' on main Pellworth window";
    }
    // The other problems hold no name, so their markup is plain text too.
    texts.logText = texts.title + L" \"" + name + L"\" " + (plainProblem.empty() ? texts.problem : plainProblem);
    return texts;
}

}  // namespace Quorvane
