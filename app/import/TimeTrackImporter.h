#pragma once
// Writes one previewed entry into QuickBooks: an add, a change, a delete or nothing, with the
// status the import run acts on.
#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {

class Config;
class Employee;
class IImportConnector;
class TimeTrackDiff;
class TimeTrackRecord;

class TimeTrackImporter {
public:
    // Nothing was sent, or QuickBooks took the add or change.
    static const int Done = 0;
    // The existing entry was deleted.
    static const int Deleted = 99999;
    // The import side's duration is negative; nothing was sent.
    static const int InvalidDuration = -2;

    TimeTrackImporter(const boost::shared_ptr<MainModel>& model, const boost::shared_ptr<Config>& config,
                      const boost::shared_ptr<IImportConnector>& connector);

    // Done, Deleted, InvalidDuration, or the connector's status for the request. An entry to
    // change or delete that QuickBooks no longer holds as previewed (changed, billed or gone)
    // is left alone with QuickBooks's status for it: 3200 changed, 3120 gone. The
    // employee's lookups throw NotFoundException, and the connector std::exception, as they do.
    int ImportEntry(const boost::shared_ptr<Employee>& serverUser, const boost::shared_ptr<TimeTrackDiff>& diff);

private:
    int Add(const Employee& serverUser, const Employee& quickBooksEmployee, const TimeTrackRecord& entry);
    int Update(const TimeTrackDiff& diff, const Employee& quickBooksEmployee);
    int Delete(const TimeTrackRecord& entry, const Employee& quickBooksEmployee);
    // Done when QuickBooks still holds the entry as previewed and unbilled.
    int ChangedSincePreview(const TimeTrackRecord& entry, const Employee& quickBooksEmployee);

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Config> m_config;
    boost::shared_ptr<IImportConnector> m_connector;
};

}  // namespace Quorvane
