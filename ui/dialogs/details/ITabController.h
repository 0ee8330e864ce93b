#pragma once
// A tab of the preview dialog: it fills its part of the page once the page is complete, answers
// the page's script calls it knows, and says whether it changed QuickBooks data.
#include <windows.h>

#include <string>

#include "ui/toolkit/Element.h"

class ITabController {
public:
    virtual ~ITabController() {}

    // The "name" of the tab's panel in the page.
    virtual std::wstring GetId() = 0;
    virtual void Build(htmlayout::dom::element root) = 0;
    // True when handled; a tab that answers false lets the next tab see the call too.
    virtual bool OnScriptCall(HWND dialog, HELEMENT he, const char* name, UINT argc, json::value* argv) = 0;
    virtual bool IsDataChanged() = 0;
};
