#include "tools/programdriver/PageWindow.h"

#include <algorithm>
#include <set>

#include "tools/programdriver/DriverError.h"

namespace driver {

namespace {

bool ContainsWord(const std::wstring& words, const std::wstring& word)
{
    std::wstring padded = L" " + words + L" ";
    return padded.find(L" " + word + L" ") != std::wstring::npos;
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// A person reads a run of blanks as one.
std::wstring AsRead(const std::wstring& text)
{
    std::wstring read;
    for (wchar_t c : text)
        if (c != L' ' || (!read.empty() && read.back() != L' '))
            read += c;
    return read;
}

}  // namespace

PageWindow::PageWindow(HWND window, EngineQuery& query, PostedInput& input)
    : m_window(window), m_query(&query), m_input(&input)
{
}

ElementPlace PageWindow::Locate(const std::wstring& selector)
{
    return m_query->Locate(m_window, selector);
}

bool PageWindow::Shown(const std::wstring& selector)
{
    ElementPlace place = Locate(selector);
    return place.found && place.visible;
}

int PageWindow::Count(const std::wstring& selector)
{
    return m_query->Count(m_window, selector);
}

bool PageWindow::HasState(const std::wstring& selector, const std::wstring& state)
{
    return ContainsWord(m_query->States(m_window, selector), state);
}

std::wstring PageWindow::Text(const std::wstring& selector)
{
    std::vector<std::wstring> texts = Texts(selector);
    if (texts.empty())
        throw DriverError(L"nothing in the window matches " + selector);
    return texts.front();
}

std::vector<std::wstring> PageWindow::Texts(const std::wstring& selector)
{
    return m_query->Texts(m_window, selector);
}

std::wstring PageWindow::Attribute(const std::wstring& selector, const std::wstring& name)
{
    std::vector<std::wstring> values = Attributes(selector, name);
    return values.empty() ? std::wstring() : values.front();
}

std::vector<std::wstring> PageWindow::Attributes(const std::wstring& selector, const std::wstring& name)
{
    return m_query->Attributes(m_window, name, selector);
}

FocusedElement PageWindow::Focused()
{
    return m_query->Focus(m_window);
}

std::wstring PageWindow::LookOf(unsigned uid)
{
    return m_query->Look(m_window, uid);
}

void PageWindow::WaitShown(const std::wstring& selector, DWORD timeoutMs)
{
    WaitUntil(
        selector + L" to show", [&] { return Shown(selector); }, timeoutMs);
}

void PageWindow::WaitHidden(const std::wstring& selector, DWORD timeoutMs)
{
    WaitUntil(
        selector + L" to hide", [&] { return !Shown(selector); }, timeoutMs);
}

void PageWindow::WaitText(const std::wstring& selector, const std::wstring& text, DWORD timeoutMs)
{
    WaitUntil(
        selector + L" to read " + Quoted(text),
        [&] {
            std::vector<std::wstring> texts = Texts(selector);
            return !texts.empty() && texts.front() == text;
        },
        timeoutMs);
}

void PageWindow::WaitState(const std::wstring& selector, const std::wstring& state, bool set, DWORD timeoutMs)
{
    WaitUntil(
        selector + (set ? L" to become " : L" to stop being ") + state,
        [&] { return HasState(selector, state) == set; }, timeoutMs);
}

ElementPlace PageWindow::WaitReachable(const std::wstring& selector)
{
    ElementPlace place;
    WaitUntil(selector + L" to show where a click reaches it", [&] {
        place = Locate(selector);
        return place.reachable;
    });
    return place;
}

void PageWindow::Click(const std::wstring& selector)
{
    m_input->Click(m_window, WaitReachable(selector).Centre());
}

void PageWindow::ScrollTo(const std::wstring& selector, const std::wstring& scrollBox)
{
    const int kMostNotches = 50;
    for (int notch = 0; notch < kMostNotches; ++notch) {
        ElementPlace place = Locate(selector);
        ElementPlace box = Locate(scrollBox);
        if (!place.found || !box.found)
            throw DriverError(L"nothing in the window matches " + (place.found ? scrollBox : selector));
        if (place.reachable)
            return;
        m_input->Wheel(m_window, box.Centre(), place.box.top > box.Centre().y ? -1 : 1);
        Pause(50);
    }
    throw DriverError(L"turning the wheel over " + scrollBox + L" never brought " + selector + L" into reach");
}

void PageWindow::Key(UINT virtualKey)
{
    m_input->Key(m_window, virtualKey);
}

void PageWindow::Press(UINT virtualKey, unsigned modifiers)
{
    PressKey(m_window, virtualKey, modifiers);
}

FocusedElement PageWindow::MoveFocus(UINT virtualKey, unsigned modifiers, DWORD timeoutMs)
{
    const unsigned before = Focused().uid;
    Press(virtualKey, modifiers);
    FocusedElement now;
    WaitFor(
        [&] {
            now = Focused();
            return now.uid != before;
        },
        timeoutMs);
    return now;
}

bool PageWindow::HasFocus(const std::wstring& selectors)
{
    std::wstring focused;
    for (size_t start = 0, end; start <= selectors.size(); start = end + 1) {
        end = std::min(selectors.find(L',', start), selectors.size());
        focused += (focused.empty() ? L"" : L",") + selectors.substr(start, end - start) + L":focus";
    }
    return Count(focused) > 0;
}

FocusedElement PageWindow::TabTo(const std::wstring& selector, unsigned modifiers)
{
    std::set<unsigned> visited;
    FocusedElement now = Focused();
    while (!HasFocus(selector)) {
        if (!visited.insert(now.uid).second)
            throw DriverError(L"Tab never reached " + selector + L"; the focus came round to " + now.name);
        const unsigned before = now.uid;
        now = MoveFocus(VK_TAB, modifiers, kStepTimeoutMs);
        if (now.uid == before)
            throw DriverError(L"Tab never reached " + selector + L"; the focus stayed on " + now.name);
    }
    return Focused();
}

void PageWindow::Type(const std::wstring& text)
{
    m_input->Type(m_window, text);
}

void PageWindow::Fill(const std::wstring& selector, const std::wstring& text)
{
    Click(selector);
    WaitState(selector, L"focus", true);
    Key(VK_END);
    for (size_t shown = Text(selector).size(); shown > 0; --shown)
        Key(VK_BACK);
    Type(text);
    bool masked = Attribute(selector, L"type") == L"password";
    std::wstring expected = masked ? std::wstring(text.size(), L'*') : text;
    WaitText(selector, expected);
}

// The options are read once the popup is open: a page may fill it when it is first used.
// They are counted among all the popup's children, as :nth-child counts (menus hold lines).
void PageWindow::Choose(const std::wstring& selectSelector, const std::wstring& optionText, const std::wstring& opener)
{
    const std::wstring popup = selectSelector + L" popup";
    Click(opener.empty() ? selectSelector : opener);
    WaitShown(popup);
    std::vector<std::wstring> options = Texts(popup + L" > *");
    auto option = std::find_if(options.begin(), options.end(),
                               [&](const std::wstring& each) { return AsRead(each) == AsRead(optionText); });
    if (option == options.end()) {
        Key(VK_ESCAPE);
        std::wstring shown;
        for (const std::wstring& each : options)
            shown += L"\n  " + Quoted(each);
        throw DriverError(selectSelector + L" has no option " + Quoted(optionText) + L"; it offers:" + shown);
    }
    Click(popup + L" > *:nth-child(" + std::to_wstring(option - options.begin() + 1) + L")");
    WaitHidden(popup);
}

void PageWindow::Close()
{
    PostMessageW(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace driver
