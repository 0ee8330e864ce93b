#pragma once
// The server connector as the application sees it.
#include <boost/shared_ptr.hpp>
#include "core/DateTime.h"
#include "core/Employee.h"

namespace Quorvane {
namespace Connectors {

class IConnector {
public:
    virtual ~IConnector() {}
    // Logs in with the stored options, or throws the failure's own exception.
    virtual void Connect() = 0;
    // The users with time in the range, each with its working time and then its leave time.
    virtual boost::shared_ptr<EmployeeCollection> GetUsersTimeTrack(const DateTime& start, const DateTime& end) = 0;
};

}  // namespace Connectors
}  // namespace Quorvane
