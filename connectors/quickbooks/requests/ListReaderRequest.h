#pragma once
// What the six list readers share: one query for a whole list, read record by record into a
// collection. A refused query or a record that cannot be read ends the reading quietly; what
// was read before stays (QuickBooks answers an empty list with status 1). A reader whose
// shortened list would mislead overrides ProcessResponse around ReadList.
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

template <typename RetList, typename Ret, typename CollectionType>
class ListReaderRequest : public QuickBookQuery {
public:
    ListReaderRequest() : m_result(new CollectionType()) {}
    boost::shared_ptr<CollectionType> GetResult() const { return m_result; }

    void ProcessResponse(Qbfc::IMsgSetResponse response) override
    {
        try {
            ReadList(response);
        } catch (...) {
        }
    }

protected:
    // Reads every record; a refusal, or a record that cannot be read, is thrown.
    void ReadList(Qbfc::IMsgSetResponse response)
    {
        RetList list = FindResponseDetail<RetList>(response);
        for (int index = 0; index < list.Count(); ++index)
            ReadRecord(list.GetAt(index), *m_result);
    }

    // Adds the record to the collection unless the reader drops records of its kind.
    virtual void ReadRecord(Ret ret, CollectionType& result) = 0;

private:
    boost::shared_ptr<CollectionType> m_result;
};

}  // namespace Connectors
}  // namespace Quorvane
