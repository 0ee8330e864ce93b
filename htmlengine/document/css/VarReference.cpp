#include "htmlengine/document/css/VarReference.h"

#include "htmlengine/document/css/CssScanner.h"
#include "htmlengine/document/dom/AsciiCase.h"

namespace htmlengine {

namespace {

bool IsNameChar(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' || c == L'_';
}

// Where the next "var(" starts, not inside a longer name; npos when there is none.
size_t FindVar(std::wstring_view value, size_t from)
{
    for (size_t at = from; at + 4 <= value.size(); ++at)
        if (EqualsNoCase(value.substr(at, 4), L"var(") && (at == 0 || !IsNameChar(value[at - 1])))
            return at;
    return std::wstring_view::npos;
}

struct VarCall {
    std::string name;
    bool hasFallback = false;
    std::wstring_view fallback;
};

// The arguments between "var(" and its ")", which `scanner` consumes (nested parentheses
// and strings stay inside the fallback).
bool ReadCall(CssScanner& scanner, VarCall& call)
{
    wchar_t stop = 0;
    std::wstring_view name = TrimCss(scanner.ReadUntil(L",)", stop));
    if (stop == 0 || name.size() < 3 || name.substr(0, 2) != L"--")
        return false;
    call.name = ToLowerAscii(std::string(name.begin(), name.end()));
    if (stop == L',') {
        call.hasFallback = true;
        call.fallback = TrimCss(scanner.ReadUntil(L")", stop));
        return stop == L')';
    }
    return true;
}

}  // namespace

bool HasVarReference(std::wstring_view value)
{
    return FindVar(value, 0) != std::wstring_view::npos;
}

bool SubstituteVars(std::wstring_view value, const VarLookup& lookup, std::wstring& out, std::wstring& problem)
{
    out.clear();
    size_t done = 0;
    for (size_t at = FindVar(value, 0); at != std::wstring_view::npos; at = FindVar(value, done)) {
        out.append(value.substr(done, at - done));
        CssScanner scanner(value.substr(at + 4));
        VarCall call;
        if (!ReadCall(scanner, call)) {
            problem = L"var() not understood: " + std::wstring(value.substr(at));
            return false;
        }
        done = at + 4 + scanner.Position();
        std::wstring substituted;
        if (lookup(call.name, substituted))
            out += substituted;
        else if (!call.hasFallback) {
            problem = L"custom property not defined: " + Widen(call.name);
            return false;
        } else if (std::wstring fallback; SubstituteVars(call.fallback, lookup, fallback, problem))
            out += fallback;
        else
            return false;
    }
    out.append(value.substr(done));
    return true;
}

}  // namespace htmlengine
