#pragma once
// The settings dialog on page 134 in a hidden window, without its modal loop: the real page,
// its style sheet and scripts in the real engine, driven through the engine's test hooks as a
// user would drive it. The company is a TestCompany the test fills before Open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../app/TestCompany.h"
#include "HostedSettingsDialog.h"
#include "tests/support/PageProbe.h"

typedef htmlayout::dom::element Element;

class SettingsPage : public ::testing::Test {
protected:
    void TearDown() override;

    // A server user with the rules a load gives every user: an employee rule, new while not
    // mapped to an employee, and an undecided payroll rule.
    void AddUser(const std::wstring& id, const std::wstring& first, const std::wstring& last, int employeeState,
                 const std::wstring& employee = L"");
    void SetNew(const std::wstring& userId, bool isNew);
    void MapPayroll(const std::wstring& userId, const std::wstring& item, int state);

    // Opens the dialog, hidden, on the company as it is now; throws when it cannot.
    void Open(int initialTab = 0);
    // The element with this id; fails the test when there is none.
    Element ById(const char* id) const { return page.Find(std::string("#") + id); }

    void PressEscape();
    // The URL of the picture the window paints at the element's place; empty when none.
    std::wstring PaintedPicture(const Element& image) const;
    // The caption text and the "mappingState" of the select's choice.
    static std::wstring Caption(const Element& select);
    static std::wstring CaptionState(const Element& select);
    // The texts of the select's options, each followed by "|".
    static std::wstring Options(const Element& select);
    // Runs the dialog's messages and posted calls until `done` or a second has passed.
    template <typename Done>
    bool PumpUntil(Done done);

    TestCompany company;
    boost::shared_ptr<HostedSettingsDialog> dialog;
    PageProbe page;  // the dialog's page, once open

private:
    void PumpOnce();
};

template <typename Done>
bool SettingsPage::PumpUntil(Done done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 1000)
            return false;
        PumpOnce();
    }
    return true;
}
