#include "ui/toolkit/LinkOpener.h"

#include <shellapi.h>

#include <string>

#include "core/TextUtils.h"

namespace htmlayout {

namespace {

void open_with_shell(HWND owner, const wchar_t* target)
{
    ShellExecuteW(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

link_opener g_opener = &open_with_shell;

// Case-insensitive for A to Z, as the scheme of a URL is.
bool starts_with_scheme(const std::wstring& text, const std::wstring& scheme)
{
    return Quorvane::EqualsIgnoringCase(text.substr(0, scheme.size()), scheme);
}

}  // namespace

void open_link(HWND owner, const wchar_t* target)
{
    g_opener(owner, target);
}

void set_link_opener(link_opener opener)
{
    g_opener = opener ? opener : &open_with_shell;
}

bool is_openable_link(const wchar_t* target)
{
    if (!target)
        return false;
    const std::wstring link(target);
    return starts_with_scheme(link, L"http:") || starts_with_scheme(link, L"https:") ||
           starts_with_scheme(link, L"mailto:");
}

}  // namespace htmlayout
