#pragma once
// Hands a link, file or folder to the shell's "open" verb, behind a seam so that tests record
// what would have been opened instead of starting programs.
#include <string>

void ShellOpen(const std::wstring& target);

typedef void (*ShellOpener)(const std::wstring& target);
// Null restores the shell.
void SetShellOpener(ShellOpener opener);
