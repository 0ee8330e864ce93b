#pragma once
// A company whose preview is built by hand: server users with their rules and entries, as a
// finished load leaves them, without QuickBooks or a server.
#include <map>
#include <string>

#include "TestCompany.h"

class HandBuiltPreviewCompany : public TestCompany {
public:
    // No customers, jobs or items in QuickBooks yet.
    HandBuiltPreviewCompany();

    // A server user whose rule has this state; a mapped user gets a QuickBooks employee of the
    // same name.
    void User(const std::wstring& id, const std::wstring& first, const std::wstring& last, int state);
    // Minutes in QuickBooks and as the import leaves them; -1 for a missing side.
    boost::shared_ptr<Quorvane::TimeTrackDiff> Entry(const std::wstring& id, int quickBooks, int imported);
    // The same for leave of this type, one hour more after the import.
    boost::shared_ptr<Quorvane::TimeTrackDiff> Leave(const std::wstring& id, int minutes,
                                                     const std::wstring& leaveType);

private:
    std::map<std::wstring, boost::shared_ptr<Quorvane::EmployeeDiff>> m_diffs;
};
