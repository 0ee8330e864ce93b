#include <gtest/gtest.h>

#include <stdexcept>

#include <boost/bind/bind.hpp>

#include "app/PreviewBuild.h"
#include "TestCompany.h"

using namespace Quorvane;

namespace {

void NoAbort() {}

struct Aborter {
    int callsLeft;
    void Check()
    {
        if (--callsLeft < 0)
            throw std::runtime_error("aborted");
    }
};

// Ann is mapped and has work on two days; Bob is mapped but has nothing; Cy's employee is gone from
// QuickBooks; rule 9 names a user the server no longer has.
struct PeriodCompany : TestCompany {
    PeriodCompany()
    {
        ann = AddServerUser(L"1", L"Ann", L"Lee");
        bob = AddServerUser(L"2", L"Bob", L"Ray");
        cy = AddServerUser(L"3", L"Cy", L"Orr");
        annEmployee = AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
        AddQuickBooksEmployee(L"E2", L"Bob", L"Ray");
        MapEmployee(L"9", L"E2");
        MapEmployee(L"1", L"E1");
        MapEmployee(L"2", L"E2");
        MapEmployee(L"3", L"E3");
        AddServerWork(ann, 20, 60, L"Acme", L"Roof", L"Late", 0);
        AddServerWork(ann, 2, 30, L"Acme", L"Roof", L"Early", 0);
        AddQuickBooksEntry(annEmployee, 31, 45, L"Acme:Roof", L"Labor", L"Old", 0, L"");
        AddServerWork(cy, 3, 90, L"Acme", L"Roof", L"Call", 0);
    }
    EmployeePtr ann, bob, cy, annEmployee;
};

TEST(BuildPreview, OneDiffPerMappedUserWithItsDaysInOrder)
{
    PeriodCompany company;
    company.model->GetEmployeeDiffs()->Add(boost::shared_ptr<EmployeeDiff>(new EmployeeDiff()));  // a stale preview

    BuildPreview(company.model, &NoAbort);

    const EmployeeDiffCollection& preview = *company.model->GetEmployeeDiffs();
    ASSERT_EQ(3u, preview.Count());
    EXPECT_EQ("- > 30\n- > 60\n45 > 45 absent\n", DescribeDiffs(*preview.FindByEmployeeId(L"1")->GetTimeTrackDiffs()));
    EXPECT_EQ("", DescribeDiffs(*preview.FindByEmployeeId(L"2")->GetTimeTrackDiffs()));
    EXPECT_EQ("- > 90\n", DescribeDiffs(*preview.FindByEmployeeId(L"3")->GetTimeTrackDiffs()));
}

TEST(BuildPreview, TwoRulesOfOneUserShareOneDiff)
{
    PeriodCompany company;
    company.MapEmployee(L"3", L"E1");
    BuildPreview(company.model, &NoAbort);
    EXPECT_EQ(3u, company.model->GetEmployeeDiffs()->Count());
    EXPECT_EQ("- > 90\n- > 90\n45 > 45 absent\n",
              DescribeDiffs(*company.model->GetEmployeeDiffs()->FindByEmployeeId(L"3")->GetTimeTrackDiffs()));
}

TEST(BuildPreview, SkipsOnlyTheDaysThatCannotBeCompared)
{
    PeriodCompany company;
    company.config->SetServiceItemGroup(false);
    company.config->SetNameConvention(7);
    company.AddServerLeave(company.ann, 21, 480, L"Vacation");
    BuildPreview(company.model, &NoAbort);
    EXPECT_EQ("- > 480 leave\n45 > 45 absent\n",
              DescribeDiffs(*company.model->GetEmployeeDiffs()->FindByEmployeeId(L"1")->GetTimeTrackDiffs()));
}

TEST(BuildPreview, AnAbortEndsTheBuild)
{
    PeriodCompany company;
    Aborter aborter = { 40 };
    EXPECT_THROW(BuildPreview(company.model, boost::bind(&Aborter::Check, &aborter)), std::runtime_error);
}

}  // namespace
