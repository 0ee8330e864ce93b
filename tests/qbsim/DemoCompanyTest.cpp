// The company the demo ships with loads whole, with every reference resolved.
#include <cstdio>
#include <string>

#include "core/TextCodec.h"
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"

namespace QbSimTest {

namespace {

std::wstring DemoCompanyText()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(0, path, MAX_PATH);
    std::wstring folder(path);
    std::wstring name = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"demo-company.json";
    FILE* file = _wfopen(name.c_str(), L"rb");
    std::string bytes;
    char buffer[4096];
    for (size_t read; file && (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
        bytes.append(buffer, read);
    if (file)
        std::fclose(file);
    return Quorvane::Utf8ToWide(bytes.c_str(), 0).c_str();
}

TEST_F(SimulatorSession, TheDemoCompanyLoadsWithItsReferencesResolved)
{
    QbSim::Control::Seed(DemoCompanyText());
    QbSim::Json company = QbSim::Json::Parse(QbSim::Control::Snapshot());
    EXPECT_EQ(L"Harbor Lane Builders", company.Get(L"CompanyName").AsString());

    const QbSim::Json& entries = company.Get(L"TimeEntries");
    ASSERT_EQ(60u, entries.Size());
    int billed = 0;
    for (const QbSim::Json& entry : entries.Items()) {
        EXPECT_FALSE(entry.GetPath(L"EntityRef.FullName").AsString().empty());
        EXPECT_FALSE(entry.GetPath(L"CustomerRef.FullName").AsString().empty());
        billed += entry.Get(L"BillableStatus").AsInt() == 2;
    }
    EXPECT_EQ(15, billed);
    EXPECT_EQ(L"Abbot Homes:Lakeside Remodel:Kitchen", company.Get(L"Customers").At(2).Get(L"FullName").AsString());

    EXPECT_STATUS(0, Send([](const IMsgSetRequest& set) { set.AppendEmployeeAddRq().FirstName().SetValue(L"Eve"); }));
}

}  // namespace

}  // namespace QbSimTest
