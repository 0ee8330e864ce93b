#include <gtest/gtest.h>
#include "core/Config.h"

using namespace Quorvane;

namespace {

DateTime FixedToday()
{
    return DateTime(14, 3, 2012);
}

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override { SetTodayProvider(&FixedToday); }
    void TearDown() override { SetTodayProvider(0); }
};

}  // namespace

TEST_F(ConfigTest, Defaults)
{
    Config config;
    EXPECT_EQ(DateRange::Compute(3, FixedToday()), config.GetPeriod());
    EXPECT_EQ(config.GetPeriod(), config.GetLoadedPeriod());
    EXPECT_EQ(4, config.GetAutoCreationFlags());
    EXPECT_EQ(0, config.GetMappingType());
    EXPECT_EQ(1, config.GetNameConvention());
    EXPECT_TRUE(config.GetServiceItemGroup());
    EXPECT_FALSE(config.GetCanRemoveExistingQBTimeTrack());
    EXPECT_FALSE(config.GetImportLeaveType());
    EXPECT_FALSE(config.GetProjectNameDescription() || config.GetTaskNameDescription() ||
                 config.GetTimeTrackDescription());
    EXPECT_FALSE(config.GetConnectionOptions()->rememberPassword);
    EXPECT_EQ(0u, config.GetEmployeeMappings()->Count());
    EXPECT_TRUE(CreateDefaultConfig()->GetNamePostfixes().empty());
}

TEST_F(ConfigTest, AutoCreationMaskTestsAnyBit)
{
    Config config;
    EXPECT_TRUE(config.HasAutoCreationFlag(6));
    EXPECT_FALSE(config.HasAutoCreationFlag(1));
    config.SetAutoCreationFlags(Config::CreateEmployees | Config::CreateServiceItems);
    EXPECT_TRUE(config.HasAutoCreationFlag(Config::CreateServiceItems));
    EXPECT_FALSE(config.HasAutoCreationFlag(Config::CreateCustomers | Config::CreateJobs));
}

TEST_F(ConfigTest, CopiesAreIndependentOfTheirSource)
{
    Config source;
    boost::shared_ptr<Mapping> rule(new Mapping);
    rule->SetTarget(L"Q1", Mapping::Mapped);
    source.GetEmployeeMappings()->Add(rule);
    source.GetSelectedEmployees()->insert(L"7");
    Config::NamePostfixes postfixes;
    postfixes[L"7"] = L" (2)";
    source.SetNamePostfixes(postfixes);

    Config copy(source);
    copy.GetEmployeeMappings()->Add(boost::shared_ptr<Mapping>(new Mapping));
    (*copy.GetEmployeeMappings()->begin())->SetState(Mapping::DoNotImport);
    copy.GetSelectedEmployees()->clear();
    copy.SetNamePostfixes(Config::NamePostfixes());
    EXPECT_EQ(1u, source.GetEmployeeMappings()->Count());
    EXPECT_EQ(L"Q1", rule->GetTarget());
    EXPECT_EQ(1u, source.GetSelectedEmployees()->size());
    EXPECT_EQ(1u, source.GetNamePostfixes().size());

    Config assigned;
    assigned = source;
    (*assigned.GetEmployeeMappings()->begin())->SetFlag(true);
    EXPECT_FALSE(rule->GetFlag());
    EXPECT_EQ(1u, assigned.GetSelectedEmployees()->count(L"7"));
}

TEST_F(ConfigTest, RestorePeriodBringsBackTheLoadedRange)
{
    Config config;
    DateRange loaded = config.GetLoadedPeriod();
    DateRange custom;
    custom.SetStart(DateTime(1, 1, 2011));
    custom.SetEnd(DateTime(9, 1, 2011));
    config.SetPeriod(custom);
    EXPECT_EQ(DateRange::CustomType, config.GetPeriod().GetRangeType());
    config.RestorePeriod();
    EXPECT_EQ(loaded, config.GetPeriod());
    EXPECT_EQ(3, config.GetPeriod().GetRangeType());
}
