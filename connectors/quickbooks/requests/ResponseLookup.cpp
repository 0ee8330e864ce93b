#include "connectors/quickbooks/requests/ResponseLookup.h"

#include "connectors/quickbooks/WriteWarnings.h"
#include "core/ConnectorLog.h"

namespace Quorvane {
namespace Connectors {

namespace {

bool IsWarning(const std::wstring& severity)
{
    return severity == L"Warn" || severity == L"Info";
}

}  // namespace

Qbfc::IQBBase AcceptedDetail(Qbfc::IResponse response)
{
    int status = response.StatusCode();
    if (status == 0)
        return response.Detail();
    Qbfc::IQBBase detail = IsWarning(response.StatusSeverity()) ? response.Detail() : Qbfc::IQBBase();
    if (detail.IsNull())
        throw QuickBooksException(status, response.StatusMessage());
    Logging::AppendToConnectorLog(L"QuickBooks warning " + std::to_wstring(status) + L": " + response.StatusMessage());
    ReportWriteWarning(response.StatusMessage());
    return detail;
}

Qbfc::IQBBase FindAnyResponseDetail(Qbfc::IMsgSetResponse response)
{
    Qbfc::IResponseList list = response.ResponseList();
    for (int index = 0; index < list.Count(); ++index) {
        Qbfc::IQBBase detail = AcceptedDetail(list.GetAt(index));
        if (!detail.IsNull())
            return detail;
    }
    throw NotFoundException();
}

}  // namespace Connectors
}  // namespace Quorvane
