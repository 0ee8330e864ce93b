#pragma once
#include <map>
#include <string>
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "core/DateTime.h"
#include "core/TimeTrackRecord.h"

namespace Quorvane {
namespace Connectors {

// The time-tracking entries of a date range, of one entity or of all, grouped by the entity's
// ListID in the order QuickBooks returned them.
//
// Only "no match" means there are no entries. Any other refusal, or an entry that lacks what
// the program needs, fails the whole read: a shorter list would make the next import add the
// missing entries a second time.
class GetTimeTrackRequest : public QuickBookQuery {
public:
    typedef std::map<std::wstring, boost::shared_ptr<TimeTrackRecordCollection>> EntriesByEntity;

    // Empty (the default) reads the entries of every entity.
    void SetEntityId(const std::wstring& id) { m_entityId = id; }
    void SetStart(const DateTime& start) { m_start = start; }
    void SetEnd(const DateTime& end) { m_end = end; }
    EntriesByEntity GetResult() const { return m_result; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    void ReadEntries(Qbfc::IMsgSetResponse response);
    void AddToEntityGroup(const std::wstring& entityId, const boost::shared_ptr<TimeTrackRecord>& record);

    std::wstring m_entityId;
    DateTime m_start;
    DateTime m_end;
    EntriesByEntity m_result;
};

}  // namespace Connectors
}  // namespace Quorvane
