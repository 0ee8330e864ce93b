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
DateTime ReadDate(const json::value& value)
{
    DateTime date;
    date.Parse(Text(value));
    if (date.GetYear() < 1 || date.GetMonth() < 1 || date.GetMonth() > 12 || date.GetDay() < 1 ||
        date.GetDay() > 31)
        throw WrongFormatException();
    return date;
}

std::wstring WithoutCarriageReturns(std::wstring text)
{
    text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
    return text;
}

}  // namespace

QVUserInfo UserInfo(const json::value& object)
{
    QVUserInfo user;
    user.id = -1;
    ReadInteger(Member(object, "id"), user.id);
    if (user.id == -1)
        throw WrongFormatException();
    user.firstName = FoldedText(Member(object, "firstName"));
    user.middleInitial = FoldedText(Member(object, "middleInitial"));
    user.lastName = FoldedText(Member(object, "lastName"));
    user.username = Text(Member(object, "username"));
    return user;
}

QVCustomer Customer(const json::value& object)
{
    QVCustomer customer;
    ReadInteger(Member(object, "id"), customer.id);
    customer.name = FoldedText(Member(object, "name"));
    customer.description = FoldedText(Member(object, "description"));
    return customer;
}

QVProject Project(const json::value& object)
{
    QVProject project;
    ReadInteger(Member(object, "id"), project.id);
    ReadInteger(Member(object, "customerId"), project.customerId);
    project.name = FoldedText(Member(object, "name"));
    project.description = FoldedText(Member(object, "description"));
    return project;
}

QVTask Task(const json::value& object)
{
    QVTask task;
    ReadInteger(Member(object, "id"), task.id);
    ReadInteger(Member(object, "projectId"), task.projectId);
    ReadInteger(Member(object, "billingTypeId"), task.billingTypeId);
    task.name = FoldedText(Member(object, "name"));
    task.description = FoldedText(Member(object, "description"));
    return task;
}

QVBillingType BillingType(const json::value& object)
{
    QVBillingType billingType;
    ReadInteger(Member(object, "id"), billingType.id);
    billingType.name = NormalizeFullName(Text(Member(object, "name")));
    Fold(billingType.name);
    // Any integer but 0 counts, -1 included.
    billingType.billable = Member(object, "billable").get_int(0) != 0 ? 1 : 0;
    return billingType;
}

QVTimeTrackEntry TimeTrackEntry(const json::value& object)
{
    QVTimeTrackEntry entry;
    ReadInteger(Member(object, "taskId"), entry.taskId);
    entry.comment = WithoutCarriageReturns(Text(Member(object, "comment")));
    Fold(entry.comment);
    entry.date = ReadDate(Member(object, "date"));
    ReadInteger(Member(object, "spent"), entry.spent);
    return entry;
}

QVLeaveRecord LeaveRecord(const json::value& object)
{
    QVLeaveRecord record;
    ReadInteger(Member(object, "typeId"), record.typeId);
    ReadInteger(Member(object, "time"), record.time);
    record.date = ReadDate(Member(object, "date"));
    return record;
}

QVLeaveType LeaveType(const json::value& object)
{
    QVLeaveType leaveType;
    ReadInteger(Member(object, "id"), leaveType.id);
    leaveType.name = FoldedText(Member(object, "name"));
    return leaveType;
}

}  // namespace RpcRecordReader
}  // namespace Quorvane
