#pragma once
// Server users and their time-track turned into the program's employees and records.
#include <map>
#include <vector>
#include <boost/shared_ptr.hpp>
#include "connectors/server/RpcRecords.h"
#include "core/CustomerJobService.h"
#include "core/Employee.h"
#include "core/Exceptions.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

// The employee's id is the user id as decimal text.
boost::shared_ptr<Employee> MakeEmployee(const QVUserInfo& user);

// Turns the time-tracks of one fetch into records. A task comes again in the replies of many
// users; what its entries share (names, descriptions, naming service) is made once per fetch,
// and made anew when a reply describes the task otherwise.
class TimeTrackConverter {
public:
    TimeTrackConverter(const DateTime& start, const DateTime& end);

    // Adds the working-time records (entries with time spent), then every leave record, each in
    // reply order, of the days from start to end. Throws NotFoundException when an entry's task,
    // project, customer, billing type or leave type is missing from the reply, and
    // WrongFormatException for a negative duration. The entries' comments move into the records.
    void AddTimeTrack(Employee& employee, QVUserTimeTrack timeTrack);

private:
    // What the entries of one task share, with the reply records it was made from.
    struct SharedTask {
        SharedTask() : reply(0) {}
        int reply;  // the number of the reply it was last made from or checked against
        QVTask task;
        QVProject project;
        QVCustomer customer;
        QVBillingType billingType;
        boost::shared_ptr<const ServerItemTexts> texts;
        boost::shared_ptr<ICustomerJobService> naming;
    };

    const SharedTask& TaskOfReply(const QVUserTimeTrack& timeTrack, int taskId);
    // A new record in the chunk being filled, which it shares with the records made before it.
    boost::shared_ptr<TimeTrackRecord> NewRecord();

    DateTime m_start;
    DateTime m_end;
    std::map<int, SharedTask> m_tasks;
    int m_replies;  // how many replies were added
    // Leave records name no customer:job and no service item.
    boost::shared_ptr<ICustomerJobService> m_leaveNaming;
    boost::shared_ptr<std::vector<TimeTrackRecord>> m_recordChunk;
};

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
