#pragma once
// The preview company connected to the QuickBooks simulator, with missing items of every kind
// and status, for the missing-data dialog and the preview's missing items tab.
//
// Ann (1) needs the customer Northwind, its job Northwind:Deck, and for an entry billed as
// "Design" the customer Design, its job Design:Logo and the service item Design. Bob (2) is to be
// created and needs Northwind:Deck too. Dee (4) needs a service item whose name is too long to be
// created. Cy (3) is not imported, so his missing customer Zeta is no one's. The simulator
// already holds a customer "Legacy" the model does not know, so creating it is refused (3100).
#include <memory>

#include "MarchFortnightCompany.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

class MissingItemsCompany : public QuickBooksTest::SimulatedQuickBooks {
protected:
    void SetUp() override;
    void TearDown() override;

    // An entry of the user on a customer:project, billed as the service item.
    void AddWork(const TestCompany::EmployeePtr& user, int day, const std::wstring& customer,
                 const std::wstring& project, const std::wstring& serviceItem);

    std::unique_ptr<MarchFortnightCompany> company;
};
