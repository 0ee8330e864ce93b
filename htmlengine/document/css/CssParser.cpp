#include "htmlengine/document/css/CssParser.h"

#include "htmlengine/document/css/CssScanner.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/AsciiCase.h"

namespace htmlengine {

namespace {

std::wstring Quoted(std::wstring_view text)
{
    return L"\"" + std::wstring(text) + L"\"";
}

// @import "x.css"; @import url(x.css); @import url("x.css")
std::wstring ImportUrl(std::wstring_view prelude)
{
    std::wstring_view url = TrimCss(prelude);
    if (url.size() > 4 && EqualsNoCase(url.substr(0, 4), L"url(") && url.back() == L')')
        url = TrimCss(url.substr(4, url.size() - 5));
    if (url.size() >= 2 && (url.front() == L'"' || url.front() == L'\'') && url.back() == url.front())
        url = url.substr(1, url.size() - 2);
    return std::wstring(url);
}

// CSS Syntax 5.4.6 "consume a declaration": name ":" value, "!important" at the end.
bool ParseDeclaration(std::wstring_view text, Declaration& declaration)
{
    size_t colon = text.find(L':');
    if (colon == std::wstring_view::npos)
        return false;
    std::wstring_view name = TrimCss(text.substr(0, colon));
    std::wstring_view value = TrimCss(text.substr(colon + 1));
    if (name.empty() || name.find_first_of(L" \t\r\n") != std::wstring_view::npos)
        return false;
    size_t bang = value.rfind(L'!');
    if (bang != std::wstring_view::npos && EqualsNoCase(TrimCss(value.substr(bang + 1)), L"important")) {
        declaration.important = true;
        value = TrimCss(value.substr(0, bang));
    }
    declaration.property = ToLowerAscii(std::string(name.begin(), name.end()));
    declaration.value = std::wstring(value);
    return true;
}

class SheetParser {
public:
    explicit SheetParser(std::wstring_view text) : text_(StripCssComments(text)), scanner_(text_) {}

    StyleSheet Run()
    {
        for (scanner_.SkipBlanks(); !scanner_.AtEnd(); scanner_.SkipBlanks()) {
            wchar_t stop = 0;
            std::wstring_view prelude = TrimCss(scanner_.ReadUntil(L"{;", stop));
            if (!prelude.empty() && prelude[0] == L'@')
                AtRule(prelude, stop);
            else if (stop == L'{')
                QualifiedRule(prelude, scanner_.ReadBlock());
            else if (!prelude.empty())
                sheet_.errors.push_back(L"text outside any rule dropped: " + Quoted(prelude));
        }
        return std::move(sheet_);
    }

private:
    // CSS Syntax 5.4.2 "consume an at-rule". Only @import means something to us; the block
    // or statement of any other at-rule is skipped and reported.
    void AtRule(std::wstring_view prelude, wchar_t stop)
    {
        if (stop == L'{')
            scanner_.ReadBlock();
        if (EqualsNoCase(prelude.substr(0, 7), L"@import") && stop != L'{') {
            sheet_.imports.push_back(ImportUrl(prelude.substr(7)));
            return;
        }
        sheet_.errors.push_back(L"unsupported at-rule skipped: " + Quoted(prelude));
    }

    // CSS Syntax 5.4.3 "consume a qualified rule": a rule whose selector cannot be read is
    // dropped whole (Selectors 3 §5: an invalid selector invalidates the rule).
    void QualifiedRule(std::wstring_view prelude, std::wstring_view block)
    {
        StyleRule rule;
        try {
            rule.selectors = ParseSelectors(prelude);
        } catch (const SelectorError& error) {
            std::string what = error.what();
            sheet_.errors.push_back(L"rule dropped, bad selector " + Quoted(prelude) + L": " + Widen(what));
            return;
        }
        rule.declarations = ParseDeclarations(block, sheet_.errors);
        sheet_.rules.push_back(std::move(rule));
    }

    std::wstring text_;
    CssScanner scanner_;
    StyleSheet sheet_;
};

}  // namespace

StyleSheet ParseStyleSheet(std::wstring_view text)
{
    return SheetParser(text).Run();
}

// CSS Syntax 5.4.5 "consume a list of declarations": ";" separates, at nesting depth 0, so
// a value may hold braces (our page scripts do).
DeclarationList ParseDeclarations(std::wstring_view text, std::vector<std::wstring>& errors)
{
    std::wstring stripped = StripCssComments(text);
    CssScanner scanner(stripped);
    DeclarationList list;
    while (!scanner.AtEnd()) {
        wchar_t stop = 0;
        std::wstring_view item = TrimCss(scanner.ReadUntil(L";", stop));
        if (item.empty())
            continue;
        Declaration declaration;
        if (ParseDeclaration(item, declaration))
            list.push_back(std::move(declaration));
        else
            errors.push_back(L"declaration dropped: " + Quoted(item));
    }
    return list;
}

void SetDeclaration(DeclarationList& list, const std::string& property, const std::wstring& value)
{
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->property == property) {
            if (value.empty())
                list.erase(it);
            else
                it->value = value;
            return;
        }
    if (!value.empty())
        list.push_back({ property, value, false });
}

}  // namespace htmlengine
