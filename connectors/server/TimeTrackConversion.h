#pragma once
// Server users and their time-track turned into the program's employees and records.
#include <map>
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
    // The lists of one reply that its entries refer to, by id.
    struct ReplyLists;

    // What the entries of one task share, with the reply records it was made from.
    struct SharedTask {
        QVTask task;
        QVProject project;
        QVCustomer customer;
        QVBillingType billingType;
        boost::shared_ptr<const ServerItemTexts> texts;
        boost::shared_ptr<ICustomerJobService> naming;
    };

    const SharedTask& TaskOfReply(const ReplyLists& lists, int taskId);

    DateTime m_start;
    DateTime m_end;
    std::map<int, SharedTask> m_tasks;
    // Leave records name no customer:job and no service item.
    boost::shared_ptr<ICustomerJobService> m_leaveNaming;
};

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
