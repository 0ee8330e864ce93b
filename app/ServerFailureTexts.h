#pragma once
// What the login panel says about a failure of the server: a caption (plain text) and an error
// text (markup). Both are called inside a catch block and judge the exception being handled.
#include <string>
#include <utility>

typedef std::pair<std::wstring, std::wstring> PanelTexts;

// For a failure of the login and its site check; the address is shown as typed.
PanelTexts LoginFailureTexts(const std::wstring& address);

// For a failure while the server's data are read.
PanelTexts DataFailureTexts();
