#pragma once
// A company on both sides for import runs: QuickBooks is a FakeQuickBooks that lives across
// loads, the server side is rebuilt by a function at every load (the preview writes into the
// server records), and each load builds the preview with every server user selected.
#include <string>
#include <vector>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "../app/TestCompany.h"
#include "FakeQuickBooks.h"
#include "RecordingView.h"

class ImportHarness {
public:
    typedef boost::function<void(TestCompany&)> ServerSide;

    // Two users mapped to E1 and E2, each on the payroll item P1 "Wages"; customer Acme:Roof and
    // service item Labor exist; deletion of entries the server does not have is on.
    ImportHarness();

    FakeQuickBooks qb;
    // Adds to the standard server side.
    ServerSide server;
    // Titles of open time-entry windows, reported from the write with this count on.
    std::vector<std::wstring> openForms;
    int formsFromWrite;
    // A stop is requested once this many writes were made (-1: never).
    int stopAfterWrites;

    // Loads both sides and builds the preview.
    TestCompany& Load();
    TestCompany& Company() { return *m_company; }
    // Runs an import over the last load; returns the import log's lines (none without a log).
    std::vector<std::wstring> Import(bool checkAbsentTimeTrack = false);
    // The view calls of the last import.
    std::vector<std::wstring> ViewCalls() const { return m_view->Calls(); }
    boost::shared_ptr<RecordingView> View() const { return m_view; }
    // Diffs of the current preview that would still write something.
    int PendingChanges() const;

    TestCompany::EmployeePtr ann;
    TestCompany::EmployeePtr bob;

private:
    std::vector<std::wstring> OpenForms() const;
    bool StopRequested() const;

    boost::shared_ptr<TestCompany> m_company;
    boost::shared_ptr<RecordingView> m_view;
};

// The lines of a UTF-8 text file, without the byte order mark.
std::vector<std::wstring> ReadLogLines(const std::wstring& path);
// The lines that contain the text.
std::vector<std::wstring> LinesContaining(const std::vector<std::wstring>& lines, const std::wstring& text);
