#include "SettingsPage.h"

#include <stdexcept>

#include "htmlengine/api/EngineTestHooks.h"
#include "ui/toolkit/ElementHelpers.h"
#include "core/Mapping.h"

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
    // Thrown, not asserted: the test body that called this must not go on without the window.
    if (!dialog->Open(false))
        throw std::runtime_error("cannot open the settings page in a window; is the display usable?");
    page = PageProbe(dialog->Window());
    page.Flush();
}

void SettingsPage::PressEscape()
{
    HTMLayoutTestKeyDown(dialog->Window(), 0, VK_ESCAPE, 0);
    HTMLayoutTestKeyUp(dialog->Window(), 0, VK_ESCAPE, 0);
    page.Flush();
}

// A recorded frame draws a picture as "image URL X,Y WxH".
std::wstring SettingsPage::PaintedPicture(const Element& image) const
{
    const RECT box = image.get_location(LOCATION_VIEW_BORDER_BOX);
    const std::wstring place = L" " + std::to_wstring(box.left) + L"," + std::to_wstring(box.top) + L" ";
    for (const std::wstring& line : page.PaintedLines()) {
        const size_t end = line.find(place);
        if (line.compare(0, 6, L"image ") == 0 && end != std::wstring::npos)
            return line.substr(6, end - 6);
    }
    return std::wstring();
}

std::wstring SettingsPage::Caption(const Element& select)
{
    return TextOf(htmlayout::get_select_caption(select));
}

std::wstring SettingsPage::CaptionState(const Element& select)
{
    return AttributeOf(htmlayout::get_select_caption(select), "mappingState");
}

std::wstring SettingsPage::Options(const Element& select)
{
    std::vector<Element> options;
    select.find_all(&options, "option");
    std::wstring texts;
    for (const Element& option : options)
        texts += TextOf(option) + L"|";
    return texts;
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
