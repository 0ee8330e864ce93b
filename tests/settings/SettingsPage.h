#pragma once
// The settings dialog on page 134 in a hidden window, without its modal loop: the real page,
// its style sheet and scripts in the real engine, driven through the engine's test hooks as a
// user would drive it. The company is a TestCompany the test fills before Open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../app/TestCompany.h"
#include "HostedSettingsDialog.h"
#include "ui/toolkit/Element.h"

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

    // Opens the dialog, hidden, on the company as it is now.
    void Open(int initialTab = 0);
    Element Root() const;
    Element Find(const char* selector) const;  // fails the test when nothing matches
    Element ById(const char* id) const { return Find((std::string("#") + id).c_str()); }
    std::vector<Element> FindAll(const char* selector) const;
    static std::wstring Text(const Element& element);
    static std::wstring Attribute(const Element& element, const char* name);  // "(none)" when absent
    static bool Has(const Element& element, UINT state) { return (element.get_state() & state) != 0; }

    // As the user does it: a click, or the choice of the option whose "value" is given (or the
    // option at `index`) in a select that takes the focus first; posted events are delivered
    // before these return.
    void Click(const Element& element);
    // The focus moves to the element as the user's click or Tab key moves it.
    void Focus(const Element& element);
    void Choose(const Element& select, const wchar_t* value);
    void ChooseAt(const Element& select, UINT index);
    void PressEscape();
    // The caption text and the "mappingState" of the select's choice.
    static std::wstring Caption(const Element& select);
    static std::wstring CaptionState(const Element& select);
    // The texts of the select's options, each followed by "|".
    static std::wstring Options(const Element& select);
    // What the engine could not read in the page (style sheets, scripts, URLs).
    std::wstring EngineErrors() const;
    // Runs the dialog's messages and posted calls until `done` or a second has passed.
    template <typename Done>
    bool PumpUntil(Done done);

    TestCompany company;
    boost::shared_ptr<HostedSettingsDialog> dialog;

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
