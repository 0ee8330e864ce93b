#include "connectors/server/RpcRecordReaders.h"

#include <algorithm>
#include "connectors/server/JsonReading.h"
#include "connectors/server/ServerExceptions.h"
#include "core/TextUtils.h"

namespace Quorvane {
namespace RpcRecordReader {

using namespace JsonReading;

namespace {

// A missing or malformed date would otherwise reach the preview and the import as 0-0-0.
DateTime ReadDate(const TextView& text)
{
    DateTime date;
    date.Parse(text.chars, text.length);
    if (!date.IsValid())
        throw WrongFormatException();
    return date;
}

std::wstring WithoutCarriageReturns(std::wstring text)
{
    text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    return text;
}

}  // namespace

// Each reader walks the object's members once; a member it does not know is passed over, and one
// that is missing leaves its field as the record's constructor set it.

QVUserInfo UserInfo(const json::value& object)
{
    QVUserInfo user;
    user.id = -1;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id")
            ReadInteger(value, user.id);
        else if (name == L"firstName")
            user.firstName = FoldedText(value);
        else if (name == L"middleInitial")
            user.middleInitial = FoldedText(value);
        else if (name == L"lastName")
            user.lastName = FoldedText(value);
        else if (name == L"username")
            user.username = Text(value);
    });
    if (user.id == -1)
        throw WrongFormatException();
    return user;
}

QVCustomer Customer(const json::value& object)
{
    QVCustomer customer;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id")
            ReadInteger(value, customer.id);
        else if (name == L"name")
            customer.name = FoldedText(value);
        else if (name == L"description")
            customer.description = FoldedText(value);
    });
    return customer;
}

QVProject Project(const json::value& object)
{
    QVProject project;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id")
            ReadInteger(value, project.id);
        else if (name == L"customerId")
            ReadInteger(value, project.customerId);
        else if (name == L"name")
            project.name = FoldedText(value);
        else if (name == L"description")
            project.description = FoldedText(value);
    });
    return project;
}

QVTask Task(const json::value& object)
{
    QVTask task;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id")
            ReadInteger(value, task.id);
        else if (name == L"projectId")
            ReadInteger(value, task.projectId);
        else if (name == L"billingTypeId")
            ReadInteger(value, task.billingTypeId);
        else if (name == L"name")
            task.name = FoldedText(value);
        else if (name == L"description")
            task.description = FoldedText(value);
    });
    return task;
}

QVBillingType BillingType(const json::value& object)
{
    QVBillingType billingType;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id") {
            ReadInteger(value, billingType.id);
        } else if (name == L"name") {
            billingType.name = NormalizeFullName(Text(value));
            Fold(billingType.name);
        } else if (name == L"billable") {
            // Any integer but 0 counts, -1 included.
            billingType.billable = value.get_int(0) != 0 ? 1 : 0;
        }
    });
    return billingType;
}

QVTimeTrackEntry TimeTrackEntry(const json::value& object)
{
    QVTimeTrackEntry entry;
    TextView date;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"taskId") {
            ReadInteger(value, entry.taskId);
        } else if (name == L"comment") {
            entry.comment = WithoutCarriageReturns(Text(value));
            Fold(entry.comment);
        } else if (name == L"date") {
            date = ViewText(value);  // the object keeps the text
        } else if (name == L"spent") {
            ReadInteger(value, entry.spent);
        }
    });
    entry.date = ReadDate(date);
    return entry;
}

QVLeaveRecord LeaveRecord(const json::value& object)
{
    QVLeaveRecord record;
    TextView date;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"typeId") {
            ReadInteger(value, record.typeId);
        } else if (name == L"time") {
            ReadInteger(value, record.time);
        } else if (name == L"date") {
            date = ViewText(value);  // the object keeps the text
        }
    });
    record.date = ReadDate(date);
    return record;
}

QVLeaveType LeaveType(const json::value& object)
{
    QVLeaveType leaveType;
    ForEachMember(object, [&](const TextView& name, const json::value& value) {
        if (name == L"id")
            ReadInteger(value, leaveType.id);
        else if (name == L"name")
            leaveType.name = FoldedText(value);
    });
    return leaveType;
}

}  // namespace RpcRecordReader
}  // namespace Quorvane
