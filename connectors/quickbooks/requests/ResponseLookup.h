#pragma once
// Finds a request's answer in a message-set response. The walk stops at the first response
// with a non-zero status, whatever its kind: a message set carries one request only.
#include "connectors/quickbooks/qbfc/Session.h"
#include "core/Exceptions.h"

namespace Quorvane {
namespace Connectors {

// The status with which QuickBooks answers a query that found nothing.
const int kNoMatchStatus = 1;

// Throws QuickBooksException for a refused response.
void ThrowOnStatus(Qbfc::IResponse response);

// The first detail that is of the expected type. Throws NotFoundException when none is.
template <typename Detail>
Detail FindResponseDetail(Qbfc::IMsgSetResponse response) {
    Qbfc::IResponseList list = response.ResponseList();
    for (int index = 0; index < list.Count(); ++index) {
        Qbfc::IResponse item = list.GetAt(index);
        ThrowOnStatus(item);
        Detail detail;
        HRESULT result = item.Detail().QueryInterface(detail);
        if (SUCCEEDED(result))
            return detail;
        if (result != E_NOINTERFACE && result != E_POINTER)
            _com_issue_error(result);
    }
    throw NotFoundException();
}

// The first detail of any type; a delete's answer is not read, only its presence counts.
Qbfc::Object FindAnyResponseDetail(Qbfc::IMsgSetResponse response);

}  // namespace Connectors
}  // namespace Quorvane
