#include "ui/dialogs/details/DialogSupport.h"

#include "ui/toolkit/ElementHelpers.h"

namespace {

bool AskWithMessageBox(HWND dialog)
{
    return MessageBoxW(dialog,
                       L"Items are being created in QuickBooks. Stop after the item being created now and close "
                       L"this window?",
                       L"Quorvane Pellworth", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

StopCreationQuestion g_stopCreationQuestion = &AskWithMessageBox;

}  // namespace

void PostCloseMessage(HWND dialog)
{
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

void SetStopCreationQuestion(StopCreationQuestion question)
{
    g_stopCreationQuestion = question ? question : &AskWithMessageBox;
}

bool AskToStopCreation(HWND dialog)
{
    return g_stopCreationQuestion(dialog);
}

htmlayout::dom::element AppendElement(htmlayout::dom::element& parent, const char* tag, const std::wstring& text)
{
    htmlayout::dom::element child = htmlayout::dom::element::create(tag, text.empty() ? nullptr : text.c_str());
    parent.append(child);
    return child;
}

htmlayout::dom::element ElementArgument(UINT argc, json::value* argv)
{
    return argc ? htmlayout::dom::element(argv[0].get_dom_element()) : htmlayout::dom::element();
}

std::wstring SelectedEmployeeId(const htmlayout::dom::element& root)
{
    return htmlayout::get_select_value(root.get_element_by_id("EmployeeSelectId"), std::wstring());
}
