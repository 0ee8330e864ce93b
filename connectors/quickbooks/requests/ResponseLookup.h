#pragma once
// Finds a request's answer in a message-set response. The walk stops at the first response
// QuickBooks refused, whatever its kind: a message set carries one request only.
//
// A non-zero status is a refusal when its severity is "Error", or when the response carries no
// detail (as "no match", status 1, never does). A "Warn" or "Info" status with a detail is a
// success with a warning: QuickBooks did what was asked, and the warning goes to the connector
// log and to the writer (WriteWarnings).
#include "connectors/quickbooks/qbfc/Session.h"
#include "core/Exceptions.h"

namespace Quorvane {
namespace Connectors {

// The status with which QuickBooks answers a query that found nothing.
const int kNoMatchStatus = 1;

// The response's detail (null when it has none); throws QuickBooksException for a refusal.
Qbfc::IQBBase AcceptedDetail(Qbfc::IResponse response);

// The first detail that is of the expected type. Throws NotFoundException when none is.
template <typename Detail>
Detail FindResponseDetail(Qbfc::IMsgSetResponse response)
{
    Qbfc::IResponseList list = response.ResponseList();
    for (int index = 0; index < list.Count(); ++index) {
        Detail detail;
        HRESULT result = AcceptedDetail(list.GetAt(index)).QueryInterface(detail);
        if (SUCCEEDED(result))
            return detail;
        if (result != E_NOINTERFACE && result != E_POINTER)
            _com_issue_error(result);
    }
    throw NotFoundException();
}

// The first detail of any type; a delete's answer is not read, only its presence counts.
Qbfc::IQBBase FindAnyResponseDetail(Qbfc::IMsgSetResponse response);

}  // namespace Connectors
}  // namespace Quorvane
