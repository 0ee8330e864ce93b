#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// What the program keeps of the open company: its name, exactly as QuickBooks gives it.
struct CompanyInformation {
    std::wstring companyName;
};

// Reads the company's name. Every failure goes up: without a name there is no settings file.
class GetCompanyInformationRequest : public QuickBookQuery {
public:
    CompanyInformation GetResult() const { return m_result; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override { request.AppendCompanyQueryRq(); }
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    CompanyInformation m_result;
};

}  // namespace Connectors
}  // namespace Quorvane
