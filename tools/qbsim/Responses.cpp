#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

Json Accepted(const Json& detail)
{
    Json response = Json::MakeObject();
    response.Set(L"StatusCode", 0);
    response.Set(L"StatusSeverity", L"Info");
    response.Set(L"StatusMessage", L"Status OK");
    response.Set(L"Detail", detail);
    return response;
}

Json Refused(int status, const wchar_t* severity, const std::wstring& message)
{
    Json response = Json::MakeObject();
    response.Set(L"StatusCode", status);
    response.Set(L"StatusSeverity", severity);
    response.Set(L"StatusMessage", message);
    response.Set(L"Detail", Json());
    return response;
}

}  // namespace

Json Answer(const std::wstring& retType, const Json& ret)
{
    Json detail = ret;
    detail.Set(L"@type", retType);
    return Accepted(detail);
}

Json AnswerList(const std::wstring& listType, const std::vector<Json>& rets)
{
    if (rets.empty())
        return NoMatch();
    Json detail = Json::MakeObject();
    Json items = Json::MakeArray();
    items.Items() = rets;
    detail.Set(L"@type", listType);
    detail.Set(L"@items", items);
    return Accepted(detail);
}

Json Refuse(int status, const std::wstring& message)
{
    return Refused(status, L"Error", message);
}

Json NoMatch()
{
    return Refused(1, L"Info", L"A query request did not find a matching object in QuickBooks");
}

Json StringTooLong(const std::wstring& field, const std::wstring& value)
{
    return Refuse(3070, L"The string " + Quoted(value) + L" in the field " + Quoted(field) + L" is too long.");
}

Json NameNotUnique(const std::wstring& name)
{
    return Refuse(3100, L"The name " + Quoted(name) + L" of the list element is already in use.");
}

Json ObjectNotFound(const std::wstring& id)
{
    return Refuse(3120, L"Object " + Quoted(id) + L" specified in the request cannot be found.");
}

Json InvalidReference(const std::wstring& list, const std::wstring& reference)
{
    return Refuse(3140, L"There is an invalid reference to QuickBooks " + list + L" " + Quoted(reference) +
                            L" in the request.");
}

Json TooManyLevels(const std::wstring& name)
{
    return Refuse(3180, L"The list element " + Quoted(name) + L" cannot be added: a list has at most 5 levels.");
}

Json OutdatedEditSequence(const std::wstring& editSequence)
{
    return Refuse(3200, L"The provided edit sequence " + Quoted(editSequence) + L" is out-of-date.");
}

Json FeatureNotEnabled()
{
    return Refuse(3250, L"This feature is not enabled or not available in this version of QuickBooks.");
}

Json NoPersonalDataAccess()
{
    return Refuse(3261, L"The application has no permission to access personal data such as payroll information.");
}

Json BilledEntry(int status, const std::wstring& txnId)
{
    return Refuse(status, L"The time entry " + Quoted(txnId) + L" has been billed and cannot be changed.");
}

}  // namespace QbSim
