#pragma once
// Reads and drives a page shown in an engine window as a user would: elements found by CSS
// selectors, their texts, attributes and states, and clicks, focus and choices through the
// engine's test hooks. Every action delivers the events it posts before it returns.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/toolkit/Element.h"

class PageProbe {
public:
    explicit PageProbe(HWND window = nullptr) : m_window(window) {}

    HWND Window() const { return m_window; }
    htmlayout::dom::element Root() const;
    // The first match; fails the test when nothing matches.
    htmlayout::dom::element Find(const std::string& selector) const;
    // The first match, or an invalid element when nothing matches.
    htmlayout::dom::element FirstMatch(const std::string& selector) const;
    std::vector<htmlayout::dom::element> FindAll(const std::string& selector) const;

    // What the first match shows; the empty answer when nothing matches.
    std::wstring Text(const std::string& selector) const;
    std::wstring Html(const std::string& selector) const;  // its inner markup
    std::wstring Attribute(const std::string& selector, const char* name) const;  // "(none)" when absent
    std::wstring Style(const std::string& selector, const char* name) const;  // the computed value, or "(none)"
    bool HasState(const std::string& selector, UINT state) const;
    // The texts of every match, joined by "|".
    std::wstring Texts(const std::string& selector) const;

    // A click on the first match; fails the test when nothing matches.
    void Click(const std::string& selector) const;
    void Click(const htmlayout::dom::element& target) const;
    // The focus moves to the element as a click or the Tab key moves it.
    void Focus(const htmlayout::dom::element& target) const;
    // The choice, in a select that takes the focus first, of the option whose "value" is given
    // or of the option at `index`.
    void Choose(const htmlayout::dom::element& select, const wchar_t* value) const;
    void ChooseAt(const htmlayout::dom::element& select, UINT index) const;
    // Delivers the events the engine has posted.
    void Flush() const;

    // What the engine could not read in the page: style sheets, scripts, URLs.
    std::wstring Errors() const;
    // What a frame of the window draws, one line per drawing call of the engine's recording painter.
    std::vector<std::wstring> PaintedLines() const;

private:
    HWND m_window;
};

std::wstring TextOf(const htmlayout::dom::element& element);
// "(none)" when the element has no such attribute.
std::wstring AttributeOf(const htmlayout::dom::element& element, const char* name);
// True when the element has every bit of `state`.
bool HasState(const htmlayout::dom::element& element, UINT state);
