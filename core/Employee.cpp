#include "core/Employee.h"

namespace Quorvane {

Employee::Employee()
    : m_usesTimeData(false), m_timeTrack(new TimeTrackRecordCollection), m_usesTimeDataValue(UnknownTimeDataValue)
{
}

std::wstring Employee::GetFullName() const
{
    return m_firstName + L" " + m_middleName + L" " + m_lastName;
}

}  // namespace Quorvane
