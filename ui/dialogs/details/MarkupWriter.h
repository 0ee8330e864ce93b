#pragma once
// Builds a table body as markup, to be set in one call: element by element through the engine
// costs a call per cell and attribute, which a month of rows cannot afford. Every text and
// attribute value is escaped; only fixed markup of the program goes in as it is.
#include <string>

class MarkupWriter {
public:
    MarkupWriter() : m_inStartTag(false) {}

    // "<tag"; attributes may follow until content or the end tag.
    MarkupWriter& Open(const wchar_t* tag);
    MarkupWriter& Attribute(const wchar_t* name, const std::wstring& value);
    MarkupWriter& Text(const std::wstring& text);
    // The program's own markup, never text from the server or QuickBooks.
    MarkupWriter& Markup(const std::wstring& fixedMarkup);
    MarkupWriter& Close(const wchar_t* tag);

    const std::wstring& str() const { return m_markup; }

private:
    void EndStartTag();

    std::wstring m_markup;
    bool m_inStartTag;
};
