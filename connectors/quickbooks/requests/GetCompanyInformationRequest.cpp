#include "connectors/quickbooks/requests/GetCompanyInformationRequest.h"

#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void GetCompanyInformationRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    m_result.companyName = FindResponseDetail<Qbfc::ICompanyRet>(response).CompanyName().GetValue();
}

}  // namespace Connectors
}  // namespace Quorvane
