// The data operations of the connector; the login is in QuorvaneConnector.cpp.
#include "connectors/server/QuorvaneConnector.h"

#include "connectors/server/TimeTrackConversion.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

namespace {

// A user who comes again, as a duplicate or as a main entry, is taken the first time only.
void AddOnce(EmployeeCollection& all, const QVUserInfo& user)
{
    boost::shared_ptr<Employee> employee = MakeEmployee(user);
    if (!all.ContainsId(employee->GetId()))
        all.Add(employee);
}

}  // namespace

boost::shared_ptr<EmployeeCollection> QuorvaneConnector::GetUsersTimeTrack(const DateTime& start, const DateTime& end)
{
    std::vector<int> ids = m_rpc.GetUsersToImport(start, end);
    EmployeeCollection all;
    for (const QVUserWithDuplicates& user : m_rpc.GetUsersInfoWithDuplicates(ids)) {
        AddOnce(all, user.userInfo);
        for (const QVUserInfo& duplicate : user.duplicatesInfo)
            AddOnce(all, duplicate);
    }
    ConvertUserTimeTrack(all, start, end);
    boost::shared_ptr<EmployeeCollection> withTime(new EmployeeCollection);
    for (const boost::shared_ptr<Employee>& employee : all)
        if (employee->GetTimeTrackRecords()->Count() > 0)
            withTime->Add(employee);
    return withTime;
}

void QuorvaneConnector::ConvertUserTimeTrack(EmployeeCollection& all, const DateTime& start, const DateTime& end)
{
    TimeTrackConverter converter(start, end);
    for (const boost::shared_ptr<Employee>& employee : all)
        converter.AddTimeTrack(*employee, m_rpc.GetUserTimeTrack(employee->GetId(), start, end));
}

boost::shared_ptr<PayRollCollection> QuorvaneConnector::GetLeaveTypes()
{
    boost::shared_ptr<PayRollCollection> leaveTypes(new PayRollCollection);
    for (const QVLeaveType& leaveType : m_rpc.GetAllLeaveTypes())
        leaveTypes->Add(boost::shared_ptr<PayRoll>(new PayRoll(leaveType.name, std::to_wstring(leaveType.id))));
    return leaveTypes;
}

void QuorvaneConnector::GetGeneralSettings(GeneralSettings& out)
{
    out = m_rpc.GetGeneralSettings();
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
