#include "ui/dialogs/details/MarkupWriter.h"

#include "app/HtmlEscape.h"

MarkupWriter& MarkupWriter::Open(const wchar_t* tag)
{
    EndStartTag();
    m_markup += L'<';
    m_markup += tag;
    m_inStartTag = true;
    return *this;
}

MarkupWriter& MarkupWriter::Attribute(const wchar_t* name, const std::wstring& value)
{
    m_markup += L' ';
    m_markup += name;
    m_markup += L"=\"";
    m_markup += HtmlAttributeEscape(value);
    m_markup += L'"';
    return *this;
}

MarkupWriter& MarkupWriter::Text(const std::wstring& text)
{
    EndStartTag();
    m_markup += HtmlEscape(text);
    return *this;
}

MarkupWriter& MarkupWriter::Markup(const std::wstring& fixedMarkup)
{
    EndStartTag();
    m_markup += fixedMarkup;
    return *this;
}

MarkupWriter& MarkupWriter::Close(const wchar_t* tag)
{
    EndStartTag();
    m_markup += L"</";
    m_markup += tag;
    m_markup += L'>';
    return *this;
}

void MarkupWriter::EndStartTag()
{
    if (!m_inStartTag)
        return;
    m_markup += L'>';
    m_inStartTag = false;
}
