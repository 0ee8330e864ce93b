#pragma once
// Server users and their time-track turned into the program's employees and records.
#include <vector>
#include <boost/shared_ptr.hpp>
#include "connectors/server/RpcRecords.h"
#include "core/Employee.h"
#include "core/Exceptions.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

// The employee's id is the user id as decimal text.
boost::shared_ptr<Employee> MakeEmployee(const QVUserInfo& user);

// Adds the working-time records (entries with time spent), then every leave record, each in
// reply order, of the days from start to end. Throws NotFoundException when an entry's task,
// project, customer, billing type or leave type is missing from the reply, and
// WrongFormatException for a negative duration.
void AddTimeTrack(Employee& employee, const QVUserTimeTrack& timeTrack, const DateTime& start, const DateTime& end);

// The first record with that id.
template <typename Record>
const Record& FindRecordById(const std::vector<Record>& records, int id)
{
    for (const Record& record : records)
        if (record.id == id)
            return record;
    throw NotFoundException();
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
