#pragma once
// The settings of one QuickBooks company. The main model's lock guards the object in force;
// the settings dialog edits a copy, and copies never share mapping rules.
#include <map>
#include <set>
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/ConnectionOptions.h"
#include "core/DateRange.h"
#include "core/Mapping.h"

namespace Quorvane {

class Config {
public:
    typedef Connectors::QVConnector::ConnectionOptions ConnectionOptions;
    typedef std::map<std::wstring, std::wstring> NamePostfixes;
    typedef std::set<std::wstring> EmployeeSelection;

    enum AutoCreationFlag { CreateEmployees = 1, CreateCustomers = 2, CreateJobs = 4, CreateServiceItems = 8 };
    enum { DefaultRangeType = 3, DefaultNameConvention = 1 };

    // Period and loaded period are the previous month, both from one reading of today.
    Config();

    DateRange GetPeriod() const { return m_period; }
    void SetPeriod(const DateRange& period) { m_period = period; }
    DateRange GetLoadedPeriod() const { return m_loadedPeriod; }
    void SetLoadedPeriod(const DateRange& period) { m_loadedPeriod = period; }
    // Brings back the range of the last successful load.
    void RestorePeriod() { m_period = m_loadedPeriod; }

    // Edited in place, under the model's lock.
    ConnectionOptions* GetConnectionOptions() { return &m_connectionOptions; }
    void SetConnectionOptions(const ConnectionOptions& options) { m_connectionOptions = options; }

    // The collections themselves, not copies.
    boost::shared_ptr<MappingCollection> GetEmployeeMappings() const { return m_employeeMappings.Get(); }
    boost::shared_ptr<MappingCollection> GetLeaveTypeMappings() const { return m_leaveTypeMappings.Get(); }
    void SetLeaveTypeMappings(const boost::shared_ptr<MappingCollection>& mappings)
    {
        m_leaveTypeMappings.Set(mappings);
    }
    boost::shared_ptr<MappingCollection> GetPayrollTypeMappings() const { return m_payrollMappings.Get(); }

    // Kept in memory only, never stored.
    EmployeeSelection* GetSelectedEmployees() { return &m_selectedEmployees; }

    NamePostfixes GetNamePostfixes() const { return m_namePostfixes; }
    void SetNamePostfixes(const NamePostfixes& postfixes) { m_namePostfixes = postfixes; }

    int GetAutoCreationFlags() const { return m_autoCreationFlags; }
    void SetAutoCreationFlags(int flags) { m_autoCreationFlags = flags; }
    // True when any bit of the mask is set.
    bool HasAutoCreationFlag(int mask) const { return (m_autoCreationFlags & mask) != 0; }

    int GetMappingType() const { return m_mappingType; }
    void SetMappingType(int type) { m_mappingType = type; }
    std::wstring GetServiceItemAccount() const { return m_serviceItemAccount; }
    void SetServiceItemAccount(const std::wstring& account) { m_serviceItemAccount = account; }
    bool GetServiceItemGroup() const { return m_serviceItemGroup; }
    void SetServiceItemGroup(bool group) { m_serviceItemGroup = group; }
    int GetNameConvention() const { return m_nameConvention; }
    void SetNameConvention(int convention) { m_nameConvention = convention; }
    bool GetProjectNameDescription() const { return m_projectNameDescription; }
    void SetProjectNameDescription(bool on) { m_projectNameDescription = on; }
    bool GetTaskNameDescription() const { return m_taskNameDescription; }
    void SetTaskNameDescription(bool on) { m_taskNameDescription = on; }
    bool GetTimeTrackDescription() const { return m_timeTrackDescription; }
    void SetTimeTrackDescription(bool on) { m_timeTrackDescription = on; }
    bool GetCanRemoveExistingQBTimeTrack() const { return m_canRemoveExistingQBTimeTrack; }
    void SetCanRemoveExistingQBTimeTrack(bool on) { m_canRemoveExistingQBTimeTrack = on; }
    bool GetImportLeaveType() const { return m_importLeaveType; }
    void SetImportLeaveType(bool on) { m_importLeaveType = on; }
    std::wstring GetServerUuid() const { return m_serverUuid; }
    void SetServerUuid(const std::wstring& uuid) { m_serverUuid = uuid; }

private:
    // The settings file walks the stored fields directly, in its own order.
    template <typename Codec, typename ConfigType>
    friend bool TransferConfigItems(Codec& codec, ConfigType& config);

    // A mapping collection that belongs to one settings object: copying it copies the rules.
    class OwnedMappings {
    public:
        OwnedMappings() : m_mappings(new MappingCollection) {}
        OwnedMappings(const OwnedMappings& other) : m_mappings(other.m_mappings->Clone()) {}
        OwnedMappings& operator=(const OwnedMappings& other)
        {
            m_mappings = other.m_mappings->Clone();
            return *this;
        }
        boost::shared_ptr<MappingCollection> Get() const { return m_mappings; }
        void Set(const boost::shared_ptr<MappingCollection>& mappings) { m_mappings = mappings; }

    private:
        boost::shared_ptr<MappingCollection> m_mappings;
    };

    DateRange m_period;
    DateRange m_loadedPeriod;
    ConnectionOptions m_connectionOptions;
    OwnedMappings m_employeeMappings;
    OwnedMappings m_leaveTypeMappings;
    OwnedMappings m_payrollMappings;
    EmployeeSelection m_selectedEmployees;
    NamePostfixes m_namePostfixes;
    int m_autoCreationFlags;
    int m_mappingType;
    std::wstring m_serviceItemAccount;
    bool m_serviceItemGroup;
    int m_nameConvention;
    bool m_projectNameDescription;
    bool m_taskNameDescription;
    bool m_timeTrackDescription;
    bool m_canRemoveExistingQBTimeTrack;
    bool m_importLeaveType;
    std::wstring m_serverUuid;
};

// The settings of a company that has no readable settings file.
boost::shared_ptr<Config> CreateDefaultConfig();

}  // namespace Quorvane
