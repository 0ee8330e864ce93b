#include <gtest/gtest.h>
#include "ConfigFileGolden.h"
#include "ScratchFolders.h"
#include "core/ConfigFile.h"
#include "core/ConfigFileFormat.h"

using namespace Quorvane;
using TestSupport::GoldenFile;

namespace {

DateTime SavedOn()
{
    return DateTime(14, 3, 2012);
}
DateTime ReadOn()
{
    return DateTime(2, 7, 2012);
}

boost::shared_ptr<Mapping> Rule(const wchar_t* source, const wchar_t* target, int state, bool flag)
{
    boost::shared_ptr<Mapping> rule(new Mapping);
    rule->SetSource(source);
    rule->SetTarget(target, state);
    rule->SetFlag(flag);
    return rule;
}

DateRange January()
{
    DateRange range;
    range.SetStart(DateTime(1, 1, 2012));
    range.SetEnd(DateTime(31, 1, 2012));
    return range;
}

// Every stored item away from its default.
boost::shared_ptr<Config> FullConfig()
{
    boost::shared_ptr<Config> config = CreateDefaultConfig();
    config->SetServerUuid(L"uuid-1");
    Config::ConnectionOptions* options = config->GetConnectionOptions();
    options->url = L"https://t.example/rpc";
    options->userName = L"jsmith";
    options->password = L"p\x00E4ss";
    options->rememberPassword = true;
    options->siteChangeAccepted = true;
    config->SetAutoCreationFlags(15);
    config->SetMappingType(2);
    config->SetServiceItemAccount(L"Income:Labor");
    config->SetServiceItemGroup(false);
    config->SetNameConvention(2);
    config->SetProjectNameDescription(true);
    config->SetTimeTrackDescription(true);
    config->SetCanRemoveExistingQBTimeTrack(true);
    config->SetImportLeaveType(true);
    config->GetEmployeeMappings()->Add(Rule(L"7", L"Q1", Mapping::Mapped, true));
    config->GetEmployeeMappings()->Add(Rule(L"8", L"", Mapping::CreateNew, false));
    config->GetLeaveTypeMappings()->Add(Rule(L"3", L"P1", Mapping::Mapped, false));
    config->SetPeriod(January());
    Config::NamePostfixes postfixes;
    postfixes[L"8"] = L"-x";
    postfixes[L"7"] = L" (2)";
    config->SetNamePostfixes(postfixes);
    config->GetSelectedEmployees()->insert(L"7");
    return config;
}

std::string FullGolden()
{
    GoldenFile file;
    file.Mark()
        .Text(L"uuid-1")
        .Text(L"https://t.example/rpc")
        .Text(L"jsmith")
        .Flag(true)
        .Text(L"p\x00E4ss")
        .Flag(true)
        .Int(15)
        .Int(2)
        .Text(L"Income:Labor")
        .Flag(false)
        .Int(2)
        .Flag(true)
        .Flag(false)
        .Flag(true)
        .Flag(true)
        .Flag(true)
        .Int(2)
        .Rule(L"7", L"Q1", 2, true)
        .Rule(L"8", L"", 4, false)
        .Int(1)
        .Rule(L"3", L"P1", 2, false)
        .Int(0)
        .Range(2012, 1, 1, 2012, 1, 31, 65535)
        .Range(2012, 2, 1, 2012, 2, 29, 3)
        .Int(2)
        .Text(L"7")
        .Text(L" (2)")
        .Text(L"8")
        .Text(L"-x");
    return file.bytes;
}

class ConfigFileFormat : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTodayProvider(&SavedOn);
        m_path = TestSupport::NewScratchFolder(L"format") + L"\\Acme.conf";
    }
    void TearDown() override { SetTodayProvider(0); }

    // A fresh object with a mark, to see whether a failed read touched it.
    static boost::shared_ptr<Config> MarkedConfig()
    {
        boost::shared_ptr<Config> config = CreateDefaultConfig();
        config->SetServerUuid(L"untouched");
        return config;
    }

    boost::shared_ptr<Config> ReadBack(const std::string& bytes)
    {
        TestSupport::WriteBytes(m_path, bytes);
        boost::shared_ptr<Config> config = MarkedConfig();
        return ReadConfigFile(m_path, config) ? config : boost::shared_ptr<Config>();
    }

    std::wstring m_path;
};

}  // namespace

TEST_F(ConfigFileFormat, DefaultSettingsAreTheGolden114Bytes)
{
    std::string golden = GoldenFile().DefaultHead().DefaultTail().bytes;
    ASSERT_EQ(114u, golden.size());
    ASSERT_TRUE(WriteConfigFile(m_path, CreateDefaultConfig()));
    EXPECT_EQ(golden, TestSupport::ReadBytes(m_path));
}

TEST_F(ConfigFileFormat, EveryItemIsWrittenAsTheGoldenFileHoldsIt)
{
    ASSERT_TRUE(WriteConfigFile(m_path, FullConfig()));
    EXPECT_EQ(FullGolden(), TestSupport::ReadBytes(m_path));
}

TEST_F(ConfigFileFormat, TheGoldenFileReadsBackFieldByField)
{
    SetTodayProvider(&ReadOn);
    boost::shared_ptr<Config> config = ReadBack(FullGolden());
    ASSERT_TRUE(config);
    EXPECT_EQ(L"uuid-1", config->GetServerUuid());
    Config::ConnectionOptions options = *config->GetConnectionOptions();
    EXPECT_EQ(L"https://t.example/rpc", options.url);
    EXPECT_EQ(L"jsmith", options.userName);
    EXPECT_EQ(L"p\x00E4ss", options.password);
    EXPECT_TRUE(options.rememberPassword);
    EXPECT_TRUE(options.siteChangeAccepted);
    EXPECT_EQ(15, config->GetAutoCreationFlags());
    EXPECT_EQ(2, config->GetMappingType());
    EXPECT_EQ(L"Income:Labor", config->GetServiceItemAccount());
    EXPECT_FALSE(config->GetServiceItemGroup());
    EXPECT_EQ(2, config->GetNameConvention());
    EXPECT_TRUE(config->GetProjectNameDescription());
    EXPECT_FALSE(config->GetTaskNameDescription());
    EXPECT_TRUE(config->GetTimeTrackDescription());
    EXPECT_TRUE(config->GetCanRemoveExistingQBTimeTrack());
    EXPECT_TRUE(config->GetImportLeaveType());
    ASSERT_EQ(2u, config->GetEmployeeMappings()->Count());
    boost::shared_ptr<Mapping> mapped = config->GetEmployeeMappings()->GetBySource(L"7");
    EXPECT_EQ(L"Q1", mapped->GetTarget());
    EXPECT_TRUE(mapped->GetFlag());
    EXPECT_EQ(Mapping::CreateNew, config->GetEmployeeMappings()->GetBySource(L"8")->GetState());
    EXPECT_EQ(L"P1", config->GetLeaveTypeMappings()->GetBySource(L"3")->GetTarget());
    EXPECT_EQ(0u, config->GetPayrollTypeMappings()->Count());
    EXPECT_EQ(January(), config->GetPeriod());
    // A predefined range is computed again for the day it is read.
    EXPECT_EQ(DateRange::Compute(3, ReadOn()), config->GetLoadedPeriod());
    EXPECT_EQ(L"-x", config->GetNamePostfixes()[L"8"]);
    EXPECT_EQ(2u, config->GetNamePostfixes().size());
}

TEST_F(ConfigFileFormat, RoundTripKeepsTextAndDropsWhatIsNotStored)
{
    boost::shared_ptr<Config> saved = FullConfig();
    const std::wstring text = L"M\x00FCller \x0416 \xD83D\xDE00 \x201Cq\x201D";
    saved->SetServiceItemAccount(text);
    saved->GetConnectionOptions()->rememberPassword = false;
    saved->GetPayrollTypeMappings()->Add(Rule(L"9", L"Q9", Mapping::Mapped, true));
    ASSERT_TRUE(WriteConfigFile(m_path, saved));

    boost::shared_ptr<Config> read = CreateDefaultConfig();
    ASSERT_TRUE(ReadConfigFile(m_path, read));
    EXPECT_EQ(text, read->GetServiceItemAccount());
    EXPECT_EQ(L"", read->GetConnectionOptions()->password);
    EXPECT_TRUE(read->GetSelectedEmployees()->empty());
    EXPECT_EQ(L"Q9", read->GetPayrollTypeMappings()->GetBySource(L"9")->GetTarget());
}

TEST_F(ConfigFileFormat, StoredValuesNoValidFileHoldsAreRepaired)
{
    GoldenFile file;
    file.Mark()
        .Text(L"")
        .Text(L"")
        .Text(L"")
        .Flag(false)
        .Text(L"")
        .Flag(false)
        .Int(4)
        .Int(9)
        .Text(L"")
        .Byte(7)
        .Int(-3)
        .Flag(false)
        .Flag(false)
        .Flag(false)
        .Flag(false)
        .Flag(false)
        .Int(1)
        .Rule(L"9", L"Q9", 4, true)
        .Int(-5)
        .Int(0)
        .Range(2012, 1, 1, 2012, 1, 31, 99)
        .Range(2012, 1, 1, 2012, 1, 31, 65535)
        .Int(2)
        .Text(L"7")
        .Text(L"a")
        .Text(L"7")
        .Text(L"b");
    boost::shared_ptr<Config> config = ReadBack(file.bytes);
    ASSERT_TRUE(config);
    EXPECT_EQ(0, config->GetMappingType());
    EXPECT_EQ(1, config->GetNameConvention());
    EXPECT_TRUE(config->GetServiceItemGroup());  // any nonzero byte is true
    boost::shared_ptr<Mapping> created = config->GetEmployeeMappings()->GetBySource(L"9");
    EXPECT_EQ(Mapping::CreateNew, created->GetState());
    EXPECT_EQ(L"", created->GetTarget());
    EXPECT_EQ(0u, config->GetLeaveTypeMappings()->Count());
    EXPECT_EQ(DateRange::Compute(3, SavedOn()), config->GetPeriod());
    EXPECT_EQ(January(), config->GetLoadedPeriod());
    EXPECT_EQ(L"b", config->GetNamePostfixes()[L"7"]);
}

TEST_F(ConfigFileFormat, StringLengthsAtAndBeyondTheLimit)
{
    struct LengthCase {
        const char* name;
        int length;
        bool accepted;
    };
    const LengthCase cases[] = {
        { "old limit", 1000, true },  { "past the old limit", 1002, true },
        { "the limit", 65536, true }, { "past the limit", 65538, false },
        { "negative", -1, false },
    };
    for (const LengthCase& c : cases) {
        GoldenFile file;
        file.Mark().Int(c.length);
        file.bytes += std::string(c.length > 0 ? c.length : 0, 'a');
        std::string rest = GoldenFile().DefaultHead().DefaultTail().bytes.substr(6);
        boost::shared_ptr<Config> config = ReadBack(file.bytes + rest);
        EXPECT_EQ(c.accepted, config.get() != 0) << c.name;
        if (config) {
            EXPECT_EQ(static_cast<size_t>(c.length / 2), config->GetServerUuid().size()) << c.name;
        }
    }
}

TEST_F(ConfigFileFormat, AnOddStringLengthConsumesAllItsBytes)
{
    GoldenFile file;
    file.Mark().Int(3).Byte('A').Byte(0).Byte('B').Text(L"url");
    std::string rest = GoldenFile().DefaultHead().DefaultTail().bytes.substr(10);
    boost::shared_ptr<Config> config = ReadBack(file.bytes + rest);
    ASSERT_TRUE(config);
    EXPECT_EQ(L"A", config->GetServerUuid());
    EXPECT_EQ(L"url", config->GetConnectionOptions()->url);
}

TEST_F(ConfigFileFormat, StaleTailsAreIgnoredAndWrongMarksRejected)
{
    std::string golden = GoldenFile().DefaultHead().DefaultTail().bytes;
    EXPECT_TRUE(ReadBack(golden + "stale tail of an older, longer file"));
    EXPECT_FALSE(ReadBack(GoldenFile().Mark(0xAC12).bytes + golden.substr(2)));
    // A count far beyond the bytes that follow fails at the end of the file.
    EXPECT_FALSE(ReadBack(GoldenFile().DefaultHead().Int(0x7FFFFFFF).bytes));
}

TEST_F(ConfigFileFormat, EveryPrefixFailsWithoutTouchingFileOrSettings)
{
    std::string golden = FullGolden();
    for (size_t size = 0; size < golden.size(); ++size) {
        std::string prefix = golden.substr(0, size);
        boost::shared_ptr<Config> config = MarkedConfig();
        config->GetEmployeeMappings()->Add(Rule(L"1", L"Q", Mapping::Mapped, false));
        TestSupport::WriteBytes(m_path, prefix);
        ASSERT_FALSE(ReadConfigFile(m_path, config)) << size;
        EXPECT_EQ(L"untouched", config->GetServerUuid()) << size;
        EXPECT_EQ(1u, config->GetEmployeeMappings()->Count()) << size;
        EXPECT_EQ(prefix, TestSupport::ReadBytes(m_path)) << size;
        EXPECT_EQ(prefix, TestSupport::ReadBytes(m_path + L".bad")) << size;
    }
}

TEST_F(ConfigFileFormat, RandomByteFlipsNeverCrashOrTouchTheFile)
{
    std::string golden = FullGolden();
    unsigned int seed = 12345;
    for (int flip = 0; flip < 300; ++flip) {
        seed = seed * 1103515245u + 12345u;
        std::string damaged = golden;
        damaged[(seed >> 8) % damaged.size()] ^= static_cast<char>(1 + (seed >> 20) % 255);
        TestSupport::WriteBytes(m_path, damaged);
        boost::shared_ptr<Config> config = MarkedConfig();
        if (!ReadConfigFile(m_path, config)) {
            EXPECT_EQ(L"untouched", config->GetServerUuid()) << flip;
        }
        EXPECT_EQ(damaged, TestSupport::ReadBytes(m_path)) << flip;
    }
}
