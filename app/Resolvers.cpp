#include "app/Resolvers.h"

#include "app/MainModel.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"

using namespace Quorvane;

namespace {

const Config& ConfigOrModels(const MainModel& model, const Config* config, boost::shared_ptr<Config>& holder)
{
    if (config)
        return *config;
    holder = model.GetConfig();
    if (!holder)
        throw NotFoundException();
    return *holder;
}

std::wstring MiddleInitialPart(const Employee& employee)
{
    return employee.GetMiddleName().empty() ? std::wstring() : L" " + employee.GetMiddleName() + L".";
}

}  // namespace

std::wstring MakeServiceItemName(const Config& config, const TimeTrackRecord& record, const Employee& employee)
{
    if (config.GetServiceItemGroup())
        return record.GetServiceItemName();
    switch (config.GetNameConvention()) {
    case 1: return employee.GetLastName() + L", " + employee.GetFirstName() + MiddleInitialPart(employee);
    case 2: return employee.GetFirstName() + MiddleInitialPart(employee) + L" " + employee.GetLastName();
    default: throw std::wstring(L"Invalid 'name convetion' settings");
    }
}

boost::shared_ptr<Employee> FindQuickBooksEmployee(const MainModel& model, const std::wstring& serverUserId,
                                                   const Config* config)
{
    boost::shared_ptr<Config> holder;
    const Config& settings = ConfigOrModels(model, config, holder);
    boost::shared_ptr<Mapping> rule = settings.GetEmployeeMappings()->GetBySource(serverUserId);
    return model.GetQuickBooksEmployees()->FindById(rule->GetTarget());
}

boost::shared_ptr<PayRoll> FindPayrollItemForUser(const MainModel& model, const std::wstring& serverUserId,
                                                  const Config* config)
{
    boost::shared_ptr<Config> holder;
    const Config& settings = ConfigOrModels(model, config, holder);
    boost::shared_ptr<Mapping> rule = settings.GetPayrollTypeMappings()->GetBySource(serverUserId);
    if (rule->GetTarget().empty())
        return boost::shared_ptr<PayRoll>();
    boost::shared_ptr<PayRollCollection> items = model.GetPayrollItems();
    if (!items)
        throw NotFoundException();
    return items->FindByListId(rule->GetTarget());
}

boost::shared_ptr<Mapping> FindLeaveTypeMapping(const MainModel& model, const Config& config,
                                                const std::wstring& leaveTypeName)
{
    boost::shared_ptr<PayRollCollection> leaveTypes = model.GetLeaveTypes();
    if (!leaveTypes)
        throw NotFoundException();
    boost::shared_ptr<PayRoll> leaveType = leaveTypes->FindByName(leaveTypeName);
    return config.GetLeaveTypeMappings()->GetBySource(leaveType->GetListId());
}

boost::shared_ptr<PayRoll> FindPayrollItemForLeaveType(const MainModel& model, const std::wstring& leaveTypeName,
                                                       const Config* config)
{
    boost::shared_ptr<Config> holder;
    const Config& settings = ConfigOrModels(model, config, holder);
    boost::shared_ptr<Mapping> rule = FindLeaveTypeMapping(model, settings, leaveTypeName);
    boost::shared_ptr<PayRollCollection> items = model.GetPayrollItems();
    if (!items)
        throw NotFoundException();
    return items->FindByListId(rule->GetTarget());
}

LeaveImport GetLeaveImport(const MainModel& model, const Config& config, const std::wstring& leaveTypeName)
{
    const boost::shared_ptr<PayRollCollection> leaveTypes = model.GetLeaveTypes();
    if (!leaveTypes || !leaveTypes->ContainsName(leaveTypeName))
        return LeaveTypeUnknown;
    boost::shared_ptr<Mapping> rule;
    try {
        rule = FindLeaveTypeMapping(model, config, leaveTypeName);
    } catch (const NotFoundException&) {
        return LeaveNotImported;
    }
    if (!config.GetImportLeaveType())
        return LeaveNotImported;
    const bool payrollItems = model.HasPayrollItems();
    const bool fits = (rule->GetState() == Mapping::Mapped && payrollItems) ||
                      (rule->GetState() == Mapping::ImportWithoutPayrollItem && !payrollItems);
    return fits ? LeaveImported : LeaveNotImported;
}

bool IsTakenByImport(const MainModel& model, const TimeTrackDiff& diff, const Config* config)
{
    const TimeTrackRecord& record = diff.GetImportSide() ? *diff.GetImportSide() : *diff.GetQuickBooksSide();
    return !record.IsLeave() || (config && GetLeaveImport(model, *config, record.GetLeaveTypeName()) == LeaveImported);
}

boost::shared_ptr<TimeTrackDiffCollection>
CollectTimeTrackDiffs(const MainModel& model, const TimeTrackDiffCollection& diffs, const Config* config)
{
    boost::shared_ptr<Config> holder = model.GetConfig();
    const Config* settings = config ? config : holder.get();
    boost::shared_ptr<TimeTrackDiffCollection> taken(new TimeTrackDiffCollection());
    for (const boost::shared_ptr<TimeTrackDiff>& diff : diffs)
        if (IsTakenByImport(model, *diff, settings))
            taken->Add(diff);
    return taken;
}

bool IsExcludedFromImport(const Config& config, const std::wstring& serverUserId)
{
    try {
        return config.GetEmployeeMappings()->GetBySource(serverUserId)->GetState() == Mapping::DoNotImport;
    } catch (const NotFoundException&) {
        return false;
    }
}

bool HasSameNames(const Employee& one, const Employee& other)
{
    return one.GetFirstName() == other.GetFirstName() && one.GetMiddleName() == other.GetMiddleName() &&
           one.GetLastName() == other.GetLastName();
}

boost::shared_ptr<EmployeeCollection> CollectServerUsersForMapping(const MainModel& model, const Employee& user)
{
    boost::shared_ptr<EmployeeCollection> namesakes(new EmployeeCollection());
    for (const boost::shared_ptr<Employee>& other : *model.GetServerEmployees()) {
        if (other->GetId() != user.GetId() && HasSameNames(*other, user))
            namesakes->Add(other);
    }
    return namesakes;
}
