#pragma once
// One previewed entry: as it stands in QuickBooks and as the import is to leave it.
#include <boost/shared_ptr.hpp>
#include "core/Collection.h"
#include "core/TimeTrackRecord.h"

namespace Quorvane {

class TimeTrackDiff {
public:
    // Either side may be empty: no QuickBooks side for an entry to add, no import side when
    // nothing of the server's total is left for the QuickBooks entry.
    TimeTrackDiff(const boost::shared_ptr<TimeTrackRecord>& quickBooksSide,
                  const boost::shared_ptr<TimeTrackRecord>& importSide)
        : m_quickBooksSide(quickBooksSide), m_importSide(importSide), m_billedConflict(0), m_absentOnServer(0)
    {
    }

    boost::shared_ptr<TimeTrackRecord> GetQuickBooksSide() const { return m_quickBooksSide; }
    boost::shared_ptr<TimeTrackRecord> GetImportSide() const { return m_importSide; }

    // Nonzero when the QuickBooks entry is billed and cannot take the server's change; on an
    // entry absent on the server the preview also uses it to mark the entry as billed.
    int IsBilledConflict() const { return m_billedConflict; }
    void SetBilledConflict(int conflict) { m_billedConflict = conflict; }
    int IsAbsentOnServer() const { return m_absentOnServer; }
    void SetAbsentOnServer(int absent) { m_absentOnServer = absent; }

    // The QuickBooks side's date when there is one, else the import side's.
    bool HasDate() const { return m_quickBooksSide || m_importSide; }
    DateTime GetDate() const;

private:
    boost::shared_ptr<TimeTrackRecord> m_quickBooksSide;
    boost::shared_ptr<TimeTrackRecord> m_importSide;
    int m_billedConflict;
    int m_absentOnServer;
};

class TimeTrackDiffCollection : public Collection<TimeTrackDiff> {
public:
    TimeTrackDiffCollection() {}
    template <typename Iterator>
    TimeTrackDiffCollection(Iterator first, Iterator last) : Collection<TimeTrackDiff>(first, last)
    {
    }

    // The diffs of one day, or of the days from firstDay to lastDay inclusive, in order and shared
    // with this collection. A diff without either side has no date and is never selected.
    boost::shared_ptr<TimeTrackDiffCollection> SelectByDate(const DateTime& date) const;
    boost::shared_ptr<TimeTrackDiffCollection> SelectByDateRange(const DateTime& firstDay,
                                                                 const DateTime& lastDay) const;
};

}  // namespace Quorvane
