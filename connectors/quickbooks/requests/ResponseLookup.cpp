#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void ThrowOnStatus(Qbfc::IResponse response) {
    int status = response.StatusCode();
    if (status != 0)
        throw QuickBooksException(status, response.StatusMessage());
}

Qbfc::Object FindAnyResponseDetail(Qbfc::IMsgSetResponse response) {
    Qbfc::IResponseList list = response.ResponseList();
    for (int index = 0; index < list.Count(); ++index) {
        Qbfc::IResponse item = list.GetAt(index);
        ThrowOnStatus(item);
        Qbfc::Object detail = item.Detail();
        if (!detail.IsNull())
            return detail;
    }
    throw NotFoundException();
}

}  // namespace Connectors
}  // namespace Quorvane
