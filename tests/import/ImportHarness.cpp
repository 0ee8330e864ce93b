#include "ImportHarness.h"

#include <boost/bind/bind.hpp>

#include "../core/ScratchFolders.h"
#include "app/PreviewBuild.h"
#include "app/import/ImportRun.h"
#include "app/import/ImportSnapshot.h"
#include "core/EmployeeDiff.h"
#include "core/TextCodec.h"

using namespace Quorvane;

namespace {

void NoAbort() {}

void NoDelete(IImportConnector*) {}

bool RunNow(const boost::function<void()>& call)
{
    call();
    return true;
}

}  // namespace

ImportHarness::ImportHarness() : formsFromWrite(-1), stopAfterWrites(-1), m_view(new RecordingView)
{
    qb.AddEmployee(L"E1", L"Ann", L"Archer");
    qb.AddEmployee(L"E2", L"Bob", L"Baker");
    qb.AddPayrollItem(L"P1", L"Wages");
    qb.AddCustomerJob(L"Acme");
    qb.AddCustomerJob(L"Acme:Roof");
    qb.AddServiceItem(L"Labor");
}

TestCompany& ImportHarness::Load()
{
    m_company.reset(new TestCompany);
    TestCompany& company = *m_company;
    company.model->SetCompanyInformation(L"Harness Company");
    company.config->SetCanRemoveExistingQBTimeTrack(true);
    company.config->GetConnectionOptions()->url = L"http://quorvane.test/";
    ann = company.AddServerUser(L"1", L"Ann", L"Archer");
    bob = company.AddServerUser(L"2", L"Bob", L"Baker");
    company.MapEmployee(L"1", L"E1");
    company.MapEmployee(L"2", L"E2");
    company.MapPayroll(L"1", L"P1");
    company.MapPayroll(L"2", L"P1");
    if (server)
        server(company);
    qb.LoadInto(company);
    BuildPreview(company.model, &NoAbort);
    const boost::shared_ptr<EmployeeCollection> users = company.model->GetServerEmployees();
    for (EmployeeCollection::const_iterator it = users->begin(); it != users->end(); ++it)
        company.config->GetSelectedEmployees()->insert((*it)->GetId());
    return company;
}

std::vector<std::wstring> ImportHarness::Import(bool checkAbsentTimeTrack)
{
    m_view.reset(new RecordingView);
    const boost::shared_ptr<IImportConnector> connector(&qb, &NoDelete);
    ImportRun run(TakeImportSnapshot(m_company->model, connector), checkAbsentTimeTrack, m_view, &RunNow,
                  boost::bind(&ImportHarness::StopRequested, this), boost::bind(&ImportHarness::OpenForms, this));
    run.RunImport();
    const std::wstring path = run.GetLogFilePath();
    return path.empty() ? std::vector<std::wstring>() : ReadLogLines(path);
}

std::vector<std::wstring> ImportHarness::OpenForms() const
{
    return formsFromWrite >= 0 && qb.WriteCount() >= formsFromWrite ? openForms : std::vector<std::wstring>();
}

bool ImportHarness::StopRequested() const
{
    return stopAfterWrites >= 0 && qb.WriteCount() >= stopAfterWrites;
}

int ImportHarness::PendingChanges() const
{
    int pending = 0;
    const boost::shared_ptr<EmployeeDiffCollection> preview = m_company->model->GetEmployeeDiffs();
    for (EmployeeDiffCollection::const_iterator user = preview->begin(); user != preview->end(); ++user) {
        const boost::shared_ptr<TimeTrackDiffCollection> diffs = (*user)->GetTimeTrackDiffs();
        for (TimeTrackDiffCollection::const_iterator it = diffs->begin(); it != diffs->end(); ++it) {
            const TimeTrackDiff& diff = **it;
            if (!diff.GetQuickBooksSide() || !diff.GetImportSide() || diff.IsAbsentOnServer() ||
                diff.GetQuickBooksSide()->GetMinutes() != diff.GetImportSide()->GetMinutes())
                ++pending;
        }
    }
    return pending;
}

std::vector<std::wstring> ReadLogLines(const std::wstring& path)
{
    const std::string bytes = TestSupport::ReadBytes(path);
    Utf8ToWide text(bytes.data(), static_cast<int>(bytes.size()));
    std::wstring all(text.c_str(), text.size());
    if (!all.empty() && all[0] == 0xFEFF)
        all.erase(0, 1);
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end = all.find(L'\n'); end != std::wstring::npos; end = all.find(L'\n', start)) {
        std::wstring line = all.substr(start, end - start);
        if (!line.empty() && line[line.size() - 1] == L'\r')
            line.erase(line.size() - 1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::wstring> LinesContaining(const std::vector<std::wstring>& lines, const std::wstring& text)
{
    std::vector<std::wstring> found;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(text) != std::wstring::npos)
            found.push_back(lines[i]);
    return found;
}
