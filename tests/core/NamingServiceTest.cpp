#include <gtest/gtest.h>
#include "core/CustomerJobService.h"

using Quorvane::QBCustomerJobService;
using Quorvane::QVCustomerJobService;

namespace {

struct LevelCase {
    int level;
    const wchar_t* name;
};

}  // namespace

TEST(NamingServices, ServerNamesByLevelWithMessyBlanks)
{
    QVCustomerJobService service(L" Acme ", L"Roof : Repair", L"Day 1", L" Labor ");
    const LevelCase cases[] = {
        { 1, L"Acme:Roof:Repair:Day 1" }, { 2, L"Acme:Roof:Repair" },       { 3, L"Roof:Repair" }, { 4, L"Acme" },
        { 0, L"Acme:Roof:Repair:Day 1" }, { 7, L"Acme:Roof:Repair:Day 1" },
    };
    for (const LevelCase& c : cases)
        EXPECT_EQ(c.name, service.GetName(c.level)) << "level " << c.level;
    EXPECT_EQ(L" Labor ", service.GetServiceItemName());
}

TEST(NamingServices, EmptyPartsKeepTheirSeparator)
{
    EXPECT_EQ(L"Acme:Roof:", QVCustomerJobService(L"Acme", L"Roof", L"  ", L"").GetName(1));
    EXPECT_EQ(L":Roof:Task", QVCustomerJobService(L" : ", L"Roof", L"Task", L"").GetName(1));
}

TEST(NamingServices, QuickBooksNamesAreTheSameAtEveryLevel)
{
    QBCustomerJobService service(L"Acme:Roof", L"Labor:Install");
    for (int level = 0; level <= 5; ++level)
        EXPECT_EQ(L"Acme:Roof", service.GetName(level));
    EXPECT_EQ(L"Labor:Install", service.GetServiceItemName());
}
