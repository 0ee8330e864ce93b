#include "app/HtmlEscape.h"

#include "core/TextUtils.h"

std::wstring HtmlEscape(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::wstring HtmlAttributeEscape(const std::wstring& text)
{
    return Quorvane::ReplaceAll(HtmlEscape(text), L"\r", L"&#13;");
}

bool IsOpenableLink(const std::wstring& url)
{
    const std::wstring lower = Quorvane::ToLower(url);
    using Quorvane::StartsWith;
    return StartsWith(lower, L"http://") || StartsWith(lower, L"https://") || StartsWith(lower, L"mailto:");
}
