#include "htmlengine/document/css/CssScanner.h"

namespace htmlengine {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
}

}  // namespace

std::wstring StripCssComments(std::wstring_view text)
{
    std::wstring out;
    out.reserve(text.size());
    wchar_t quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (quote) {
            if (c == L'\\' && i + 1 < text.size())
                out += text[i++];
            else if (c == quote)
                quote = 0;
        } else if (c == L'"' || c == L'\'') {
            quote = c;
        } else if (c == L'/' && i + 1 < text.size() && text[i + 1] == L'*') {
            size_t end = text.find(L"*/", i + 2);
            i = end == std::wstring_view::npos ? text.size() : end + 1;
            out += L' ';
            continue;
        }
        out += c;
    }
    return out;
}

void CssScanner::SkipBlanks()
{
    while (!AtEnd() && IsBlank(in_[pos_]))
        ++pos_;
}

// CSS Syntax 4.3.5 "consume a string token": up to the matching quote, "\" escapes one
// character; returns the position after the closing quote.
size_t CssScanner::SkipString(size_t quote) const
{
    for (size_t i = quote + 1; i < in_.size(); ++i) {
        if (in_[i] == L'\\')
            ++i;
        else if (in_[i] == in_[quote])
            return i + 1;
    }
    return in_.size();
}

std::wstring_view CssScanner::ReadUntil(std::wstring_view stops, wchar_t& stop)
{
    size_t start = pos_;
    int depth = 0;
    while (pos_ < in_.size()) {
        wchar_t c = in_[pos_];
        if (depth == 0 && stops.find(c) != std::wstring_view::npos) {
            stop = c;
            return in_.substr(start, pos_++ - start);
        }
        if (c == L'"' || c == L'\'') {
            pos_ = SkipString(pos_);
            continue;
        }
        if (c == L'(' || c == L'[' || c == L'{')
            ++depth;
        if ((c == L')' || c == L']' || c == L'}') && depth > 0)
            --depth;
        ++pos_;
    }
    stop = 0;
    return in_.substr(start);
}

std::wstring_view CssScanner::ReadBlock()
{
    wchar_t stop = 0;
    return ReadUntil(L"}", stop);
}

std::wstring_view TrimCss(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace htmlengine
