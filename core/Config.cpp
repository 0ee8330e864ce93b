#include "core/Config.h"

namespace Quorvane {

// Entries absent on the server are never deleted from QuickBooks unless the user chose it;
// leave time is imported only on request; service items are named by billing type.
Config::Config()
    : m_period(DateRange::Compute(DefaultRangeType, DateTime::Today())),
      m_loadedPeriod(m_period),
      m_autoCreationFlags(CreateJobs),
      m_mappingType(0),
      m_serviceItemGroup(true),
      m_nameConvention(DefaultNameConvention),
      m_projectNameDescription(false),
      m_taskNameDescription(false),
      m_timeTrackDescription(false),
      m_canRemoveExistingQBTimeTrack(false),
      m_importLeaveType(false)
{
}

boost::shared_ptr<Config> CreateDefaultConfig()
{
    return boost::shared_ptr<Config>(new Config);
}

}  // namespace Quorvane
