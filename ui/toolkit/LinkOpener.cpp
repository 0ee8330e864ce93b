#include "ui/toolkit/LinkOpener.h"

#include <shellapi.h>

#include <cwchar>

namespace htmlayout {

namespace {

void open_with_shell(HWND owner, const wchar_t* target)
{
    ShellExecuteW(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

link_opener g_opener = &open_with_shell;

// Case-insensitive for A to Z, as the scheme of a URL is.
bool starts_with_scheme(const wchar_t* text, const char* scheme)
{
    for (; *scheme; ++text, ++scheme) {
        wchar_t c = *text;
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != static_cast<wchar_t>(*scheme))
            return false;
    }
    return true;
}

}  // namespace

void open_link(HWND owner, const wchar_t* target) { g_opener(owner, target); }

void set_link_opener(link_opener opener) { g_opener = opener ? opener : &open_with_shell; }

bool is_openable_link(const wchar_t* target)
{
    return target && (starts_with_scheme(target, "http:") || starts_with_scheme(target, "https:") ||
                      starts_with_scheme(target, "mailto:"));
}

}  // namespace htmlayout
