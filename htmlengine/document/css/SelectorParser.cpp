#include "htmlengine/document/css/SelectorParser.h"

#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/ElementStates.h"

#include <cstdlib>

namespace htmlengine {

namespace {

struct StatePseudoClass {
    const char* name;
    unsigned bit;
};

const StatePseudoClass kStatePseudoClasses[] = {
    { "hover", kStateHover },         { "focus", kStateFocus },       { "current", kStateCurrent },
    { "checked", kStateChecked },     { "disabled", kStateDisabled }, { "expanded", kStateExpanded },
    { "collapsed", kStateCollapsed }, { "anchor", kStateAnchor },
};

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
}

// CSS Syntax 4.2: name code points (letters, digits, "-", "_", and anything non-ASCII).
bool IsNameChar(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' || c == L'_' ||
           c >= 0x80;
}

class Parser {
public:
    explicit Parser(std::wstring_view text) : in_(text) {}

    SelectorList ParseList()
    {
        SelectorList list;
        for (;;) {
            list.push_back(ParseComplex());
            SkipBlanks();
            if (AtEnd())
                return list;
            Expect(L',');
        }
    }

private:
    // Selectors 3 §8: compounds joined by blanks (descendant) or ">" (child).
    ComplexSelector ParseComplex()
    {
        ComplexSelector complex;
        SkipBlanks();
        complex.compounds.push_back(ParseCompound());
        for (;;) {
            bool blank = SkipBlanks();
            if (AtEnd() || Peek() == L',')
                break;
            if (Peek() == L'>') {
                ++pos_;
                SkipBlanks();
                complex.combinators.push_back(Combinator::Child);
            } else if (blank) {
                complex.combinators.push_back(Combinator::Descendant);
            } else {
                Fail("unexpected character");
            }
            complex.compounds.push_back(ParseCompound());
        }
        for (const CompoundSelector& compound : complex.compounds)
            complex.specificity += Specificity(compound);
        return complex;
    }

    // Selectors 3 §9 specificity: a = ids, b = classes, attributes and pseudo-classes, c = types.
    static unsigned Specificity(const CompoundSelector& c)
    {
        unsigned states = 0;
        for (unsigned bits = c.states; bits; bits &= bits - 1)
            ++states;
        unsigned b =
            unsigned(c.classes.size() + c.attributes.size() + c.nthChildren.size()) + states + (c.root ? 1 : 0);
        return (c.id.empty() ? 0u : 1u << 16) + (b << 8) + (c.tag.empty() ? 0u : 1u);
    }

    // Selectors 3 §4: an optional type or "*", then ids, classes, attributes, pseudo-classes.
    CompoundSelector ParseCompound()
    {
        CompoundSelector compound;
        size_t start = pos_;
        if (!AtEnd() && Peek() == L'*')
            ++pos_;
        else if (!AtEnd() && IsNameChar(Peek()))
            compound.tag = ToLowerAscii(Narrow(ReadName()));
        while (!AtEnd() && ParseSimple(compound)) {
        }
        if (pos_ == start)
            Fail("selector expected");
        return compound;
    }

    bool ParseSimple(CompoundSelector& compound)
    {
        switch (Peek()) {
        case L'#':
            ++pos_;
            compound.id = ReadName();
            return true;
        case L'.':
            ++pos_;
            compound.classes.push_back(ReadName());
            return true;
        case L'[':
            ++pos_;
            compound.attributes.push_back(ParseAttribute());
            return true;
        case L':':
            ++pos_;
            ParsePseudoClass(compound);
            return true;
        default: return false;
        }
    }

    // Selectors 3 §6.3: [name], [name=value], value as an identifier or a quoted string.
    AttributeCondition ParseAttribute()
    {
        AttributeCondition condition;
        SkipBlanks();
        condition.name = Narrow(ReadName());
        SkipBlanks();
        if (Peek() == L'=') {
            ++pos_;
            SkipBlanks();
            condition.hasValue = true;
            condition.value = Peek() == L'"' || Peek() == L'\'' ? ReadQuoted() : ReadName();
            SkipBlanks();
        }
        Expect(L']');
        return condition;
    }

    void ParsePseudoClass(CompoundSelector& compound)
    {
        std::string name = ToLowerAscii(Narrow(ReadName()));
        if (name == "root") {
            compound.root = true;
            return;
        }
        if (name == "nth-child")
            return compound.nthChildren.push_back(ParseNthArgument());
        if (name == "first-child")
            return compound.nthChildren.push_back({ 0, 1 });
        for (const StatePseudoClass& state : kStatePseudoClasses)
            if (name == state.name) {
                compound.states |= state.bit;
                return;
            }
        Fail("unknown pseudo-class :" + name);
    }

    // Selectors 3 §6.6.5.2: "(an+b)", "(odd)", "(even)", "(n)", "(3)".
    NthChild ParseNthArgument()
    {
        Expect(L'(');
        size_t close = in_.find(L')', pos_);
        if (close == std::wstring_view::npos)
            Fail("missing )");
        std::wstring argument;
        for (wchar_t c : in_.substr(pos_, close - pos_))
            if (!IsBlank(c))
                argument += LowerAscii(c);
        pos_ = close + 1;
        if (argument == L"odd")
            return { 2, 1 };
        if (argument == L"even")
            return { 2, 0 };
        size_t n = argument.find(L'n');
        if (n == std::wstring::npos)
            return { 0, ParseInt(argument) };
        std::wstring a = argument.substr(0, n);
        NthChild nth;
        nth.a = a.empty() || a == L"+" ? 1 : a == L"-" ? -1 : ParseInt(a);
        nth.b = n + 1 < argument.size() ? ParseInt(argument.substr(n + 1)) : 0;
        return nth;
    }

    int ParseInt(const std::wstring& text)
    {
        wchar_t* end = nullptr;
        long value = std::wcstol(text.c_str(), &end, 10);
        if (text.empty() || *end != 0)
            Fail("bad number in :nth-child");
        return int(value);
    }

    std::wstring ReadName()
    {
        size_t start = pos_;
        while (!AtEnd() && IsNameChar(Peek()))
            ++pos_;
        if (pos_ == start)
            Fail("name expected");
        return std::wstring(in_.substr(start, pos_ - start));
    }

    std::wstring ReadQuoted()
    {
        wchar_t quote = in_[pos_++];
        size_t end = in_.find(quote, pos_);
        if (end == std::wstring_view::npos)
            Fail("unterminated string");
        std::wstring value(in_.substr(pos_, end - pos_));
        pos_ = end + 1;
        return value;
    }

    bool SkipBlanks()
    {
        size_t start = pos_;
        while (!AtEnd() && IsBlank(Peek()))
            ++pos_;
        return pos_ != start;
    }

    void Expect(wchar_t c)
    {
        if (AtEnd() || Peek() != c)
            Fail(std::string("expected '") + char(c) + "'");
        ++pos_;
    }

    [[noreturn]] void Fail(const std::string& what) const { throw SelectorError(what + " at " + std::to_string(pos_)); }

    bool AtEnd() const { return pos_ >= in_.size(); }
    wchar_t Peek() const { return in_[pos_]; }

    std::wstring_view in_;
    size_t pos_ = 0;
};

}  // namespace

SelectorList ParseSelectors(std::wstring_view text)
{
    return Parser(text).ParseList();
}

}  // namespace htmlengine
