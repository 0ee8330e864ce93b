#include "SettingsPage.h"

#include "htmlengine/api/EngineTestHooks.h"
#include "ui/toolkit/ElementHelpers.h"
#include "core/Mapping.h"

namespace {

void CALLBACK CollectText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

}  // namespace

void SettingsPage::TearDown()
{
    dialog.reset();
}

void SettingsPage::AddUser(const std::wstring& id, const std::wstring& first, const std::wstring& last,
                           int employeeState, const std::wstring& employee)
{
    company.AddServerUser(id, first, last);
    company.MapEmployee(id, employee, employeeState);
    SetNew(id, employeeState != Quorvane::Mapping::Mapped);
    company.MapPayroll(id, L"", Quorvane::Mapping::NotMapped);
}

void SettingsPage::SetNew(const std::wstring& userId, bool isNew)
{
    company.config->GetEmployeeMappings()->GetBySource(userId)->SetFlag(isNew);
}

void SettingsPage::MapPayroll(const std::wstring& userId, const std::wstring& item, int state)
{
    company.config->GetPayrollTypeMappings()->GetBySource(userId)->SetTarget(item, state);
}

void SettingsPage::Open(int initialTab)
{
    dialog.reset(new HostedSettingsDialog(company.model));
    dialog->SetInitialTab(initialTab);
    ASSERT_TRUE(dialog->Open(false));
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

Element SettingsPage::Root() const
{
    return Element::root_element(dialog->Window());
}

Element SettingsPage::Find(const char* selector) const
{
    Element found = Root().find_first("%s", selector);
    EXPECT_TRUE(found.is_valid()) << selector;
    return found;
}

std::vector<Element> SettingsPage::FindAll(const char* selector) const
{
    std::vector<Element> found;
    Root().find_all(&found, "%s", selector);
    return found;
}

std::wstring SettingsPage::Text(const Element& element)
{
    return element.get_text().c_str();
}

std::wstring SettingsPage::Attribute(const Element& element, const char* name)
{
    const wchar_t* value = element.get_attribute(name);
    return value ? value : L"(none)";
}

void SettingsPage::Click(const Element& element)
{
    HTMLayoutTestClick(element, 0);
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

void SettingsPage::Focus(const Element& element)
{
    HTMLayoutTestSetFocus(dialog->Window(), element);
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

void SettingsPage::Choose(const Element& select, const wchar_t* value)
{
    Focus(select);
    HTMLayoutTestChooseOption(select, 0, value);
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

void SettingsPage::ChooseAt(const Element& select, UINT index)
{
    Focus(select);
    HTMLayoutTestChooseOption(select, index, 0);
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

void SettingsPage::PressEscape()
{
    HTMLayoutTestKeyDown(dialog->Window(), 0, VK_ESCAPE, 0);
    HTMLayoutTestKeyUp(dialog->Window(), 0, VK_ESCAPE, 0);
    HTMLayoutTestFlushPostedEvents(dialog->Window());
}

std::wstring SettingsPage::Caption(const Element& select)
{
    return Text(htmlayout::get_select_caption(select));
}

std::wstring SettingsPage::CaptionState(const Element& select)
{
    return Attribute(htmlayout::get_select_caption(select), "mappingState");
}

std::wstring SettingsPage::Options(const Element& select)
{
    std::vector<Element> options;
    select.find_all(&options, "option");
    std::wstring texts;
    for (const Element& option : options)
        texts += Text(option) + L"|";
    return texts;
}

std::wstring SettingsPage::EngineErrors() const
{
    std::wstring errors;
    HTMLayoutTestErrors(dialog->Window(), CollectText, &errors);
    return errors;
}

void SettingsPage::PumpOnce()
{
    MSG message;
    while (PeekMessageW(&message, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjectsEx(0, 0, 10, QS_ALLINPUT, MWMO_ALERTABLE | MWMO_INPUTAVAILABLE);
}
