#include "MissingItemsCompany.h"

#include "core/CustomerJobService.h"

using namespace Quorvane;

namespace {

const char kQuickBooks[] =
    "{'CompanyName':'Sim Co',"
    " 'Preferences':{'TimeTrackingEnabled':true,'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Employees':[{'ListID':'E1','FirstName':'Ann','LastName':'Archer'},"
    "              {'ListID':'E4','FirstName':'Dee','LastName':'Dunn'}],"
    " 'Customers':[{'ListID':'C1','Name':'Acme'},{'ListID':'C2','Name':'Roof','ParentRef':{'ListID':'C1'}},"
    "              {'ListID':'C3','Name':'Shed','ParentRef':{'ListID':'C1'}},{'ListID':'C9','Name':'Legacy'}],"
    " 'Items':[{'ListID':'S1','Name':'Labor','Kind':0}],"
    " 'Accounts':[{'ListID':'A1','Name':'Income','AccountType':8}],"
    " 'PayrollItemWages':[{'ListID':'P1','Name':'Hourly Regular'},{'ListID':'P2','Name':'Vacation Hourly'}]}";

void NoDelete(Connectors::DesktopConnector*) {}

}  // namespace

void MissingItemsCompany::SetUp()
{
    SimulatedQuickBooks::SetUp();
    Seed(kQuickBooks);
    company.reset(new MarchFortnightCompany());
    company->model->SetQuickBooksConnector(
        boost::shared_ptr<Connectors::DesktopConnector>(m_connector.get(), &NoDelete));
    company->model->SetCompanyInformation(L"Sim Co");
    AddWork(company->ann, 11, L"Design", L"Logo", L"Design");
    AddWork(company->dee, 9, L"Acme", L"Roof", L"Finish Carpentry and Millwork Installation");
    AddWork(company->cy, 9, L"Zeta", L"Roof", L"Labor");
    company->BuildPreview();
}

void MissingItemsCompany::TearDown()
{
    company.reset();
    SimulatedQuickBooks::TearDown();
}

void MissingItemsCompany::AddWork(const TestCompany::EmployeePtr& user, int day, const std::wstring& customer,
                                  const std::wstring& project, const std::wstring& serviceItem)
{
    company->AddServerWork(user, day, 60, customer, project, L"Work", 0)
        ->SetNamingService(
            boost::shared_ptr<ICustomerJobService>(new QVCustomerJobService(customer, project, L"Task", serviceItem)));
}
