#pragma once
// The lowest layer of the CSS reader: comments out, then text cut into runs at a stop
// character that lies outside strings, parentheses, brackets and braces.
#include <string>
#include <string_view>

namespace htmlengine {

// CSS Syntax 4.3.2 "consume comments": "/* ... */" becomes nothing (an open one runs to
// the end), strings are left alone.
std::wstring StripCssComments(std::wstring_view text);

class CssScanner {
public:
    explicit CssScanner(std::wstring_view text) : in_(text) {}

    bool AtEnd() const { return pos_ >= in_.size(); }
    size_t Position() const { return pos_; }
    void SkipBlanks();

    // Text up to the first stop character at nesting depth 0 (or the end), consumed with
    // the stop character; `stop` tells which one ended the run (0 at the end).
    std::wstring_view ReadUntil(std::wstring_view stops, wchar_t& stop);

    // After a "{": the text up to its matching "}", consumed with the brace.
    std::wstring_view ReadBlock();

private:
    size_t SkipString(size_t quote) const;

    std::wstring_view in_;
    size_t pos_ = 0;
};

std::wstring_view TrimCss(std::wstring_view text);

}  // namespace htmlengine
