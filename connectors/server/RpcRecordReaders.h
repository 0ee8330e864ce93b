#pragma once
// One reply record from one JSON object of a server reply.
#include "connectors/server/RpcRecords.h"
#include "json/JsonValue.h"

namespace Quorvane {
namespace RpcRecordReader {

// Throws WrongFormatException when "id" is not an integer or is -1.
QVUserInfo UserInfo(const json::value& object);
QVCustomer Customer(const json::value& object);
QVProject Project(const json::value& object);
QVTask Task(const json::value& object);
QVBillingType BillingType(const json::value& object);
// Both throw WrongFormatException when "date" is not a calendar date.
QVTimeTrackEntry TimeTrackEntry(const json::value& object);
QVLeaveRecord LeaveRecord(const json::value& object);
QVLeaveType LeaveType(const json::value& object);

}  // namespace RpcRecordReader
}  // namespace Quorvane
