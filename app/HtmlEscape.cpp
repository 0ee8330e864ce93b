#include "app/HtmlEscape.h"

std::wstring HtmlEscape(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (std::wstring::const_iterator it = text.begin(); it != text.end(); ++it) {
        switch (*it) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += *it;
        }
    }
    return escaped;
}
