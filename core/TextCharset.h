#pragma once
// Whether a text fits the Western code page that QuickBooks names are kept in.
#include <windows.h>
#include <string>

namespace Quorvane {

struct SystemLocale {
    UINT ansiCodePage;
    LANGID userLanguage;
    LANGID systemLanguage;
};

// The code page and the user's and system's languages of this machine.
SystemLocale CurrentSystemLocale();

// True for a language whose ANSI code page is 1252 (neutral and country identifiers).
bool IsWesternLanguage(LANGID language);

// 0: the text fits (ASCII, or Latin-1 on a Western system); 1: it has Latin-1 characters on a
// non-Western system; 2: it has characters outside Latin-1.
int GetTextCharsetClass(const std::wstring& text);
int GetTextCharsetClass(const std::wstring& text, const SystemLocale& locale);

// The text as QuickBooks keeps it: in code page 1252, every other character as "?".
std::wstring ThroughCodePage1252(const std::wstring& text);

}  // namespace Quorvane
