#pragma once
// The QuickBooks operations that the import and the creation of missing items use. The program
// runs them on the desktop connector; tests put an in-memory company in its place. Statuses
// and failures are the desktop connector's: 0 done, a QuickBooks status code, a negative
// HRESULT, -1 or 1 when nothing came back; std::exception when the worker gave no result.
#include <string>
#include <vector>
#include <boost/shared_ptr.hpp>
#include "core/CustomerJob.h"
#include "core/DateTime.h"
#include "core/Employee.h"
#include "core/ServiceItem.h"
#include "core/TimeTrackRecord.h"

namespace Quorvane {
namespace Connectors {
class DesktopConnector;
}

class IImportConnector {
public:
    virtual ~IImportConnector() {}

    // 0 to 6, or a negative HRESULT when QuickBooks could not be asked.
    virtual int GetFirstDayOfWeek() = 0;

    virtual int AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                             const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                             const std::wstring& notes, int billable, const DateTime& date, int minutes) = 0;
    virtual int ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId,
                                const std::wstring& editSequence, int minutes) = 0;
    virtual int DeleteTimeTrack(const std::wstring& txnId) = 0;
    // `newEditSequence` is set only when the status is 0.
    virtual int ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                                      std::wstring& newEditSequence) = 0;

    // `created` is set only when the status is 0.
    virtual int CreateEmployee(const std::wstring& firstName, const std::wstring& lastName,
                               const std::wstring& middleName, const std::wstring& payrollItemId,
                               boost::shared_ptr<Employee>& created) = 0;
    virtual int CreateCustomerJob(const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent,
                                  boost::shared_ptr<CustomerJob>& created) = 0;
    virtual int CreateService(const std::wstring& name, const boost::shared_ptr<ServiceItem>& parent,
                              const std::wstring& accountId, boost::shared_ptr<ServiceItem>& created) = 0;

    virtual bool CheckCustomerJobExist(const std::wstring& fullName) = 0;
    virtual bool CheckServiceItemExist(const std::wstring& fullName) = 0;
    // The entity's entries of the range; empty or null when it has none.
    virtual boost::shared_ptr<TimeTrackRecordCollection> GetTimeTrack(const std::wstring& entityId,
                                                                      const DateTime& start, const DateTime& end) = 0;
    virtual boost::shared_ptr<ServiceItemCollection> GetServiceItem() = 0;
    // The texts of the warnings QuickBooks gave with the writes it accepted since the last call.
    virtual std::vector<std::wstring> TakeWriteWarnings() { return std::vector<std::wstring>(); }
};

// The operations above on the program's QuickBooks connector.
boost::shared_ptr<IImportConnector>
MakeImportConnector(const boost::shared_ptr<Connectors::DesktopConnector>& connector);

}  // namespace Quorvane
