#pragma once
// A dialog's page opened in a hidden window without the modal loop, so that a test drives the
// page through the engine's test hooks, as a user would, and reads it back.
#include <string>
#include <utility>
#include <vector>

#include "htmlengine/api/EngineTestHooks.h"
#include "ui/toolkit/Element.h"
#include "ui/toolkit/PageResources.h"

template <typename Dialog>
class OpenedDialog : public Dialog {
public:
    template <typename... Args>
    explicit OpenedDialog(Args&&... args) : Dialog(std::forward<Args>(args)...)
    {
    }

    // True when the page was found and the window made.
    bool Open(int pageId)
    {
        if (!LoadHtmlResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pageId), &this->html, &this->html_size))
            return false;
        return this->create() != nullptr;
    }
    HWND Window() const { return this->hwnd; }

    // Lets the creation's reports, posted to this thread, run until its run has ended.
    void AwaitCreation()
    {
        for (int i = 0; i < 2000 && this->IsCreatingItems(); ++i)
            SleepEx(5, TRUE);
    }
};

// Reading and driving an open page.
class PageProbe {
public:
    explicit PageProbe(HWND window) : m_window(window) {}

    htmlayout::dom::element Root() const { return htmlayout::dom::element::root_element(m_window); }
    htmlayout::dom::element Find(const std::string& selector) const;
    std::vector<htmlayout::dom::element> FindAll(const std::string& selector) const;
    std::wstring Text(const std::string& selector) const;
    // "(none)" when absent.
    std::wstring Attribute(const std::string& selector, const char* name) const;
    bool HasState(const std::string& selector, UINT state) const;
    // The texts of every match, joined by "|".
    std::wstring Texts(const std::string& selector) const;

    void Click(const std::string& selector) const;
    void Choose(const std::string& selectSelector, const wchar_t* value) const;
    // What the engine could not read in the page: style sheets, scripts, URLs.
    std::wstring Errors() const;

private:
    HWND m_window;
};

std::wstring TextOf(const htmlayout::dom::element& element);
std::wstring AttributeOf(const htmlayout::dom::element& element, const char* name);
