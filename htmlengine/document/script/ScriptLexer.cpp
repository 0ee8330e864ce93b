#include "htmlengine/document/script/ScriptLexer.h"

#include "htmlengine/document/dom/AsciiCase.h"

namespace htmlengine {

namespace {

bool IsNameStart(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
}
bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}
bool IsNameChar(wchar_t c)
{
    return IsNameStart(c) || IsDigit(c) || c == L'-';
}
bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

const wchar_t* const kTwoCharSymbols[] = { L"==", L"!=", L"&&", L"||", L"$$" };
const std::wstring_view kOneCharSymbols = L"(){};,.@:=!+$";

}  // namespace

std::vector<ScriptToken> TokenizeScript(std::wstring_view in)
{
    std::vector<ScriptToken> tokens;
    size_t i = 0;
    while (i < in.size()) {
        wchar_t c = in[i];
        size_t start = i;
        if (IsBlank(c)) {
            ++i;
        } else if (IsNameStart(c)) {
            while (i < in.size() && IsNameChar(in[i]))
                ++i;
            tokens.push_back({ ScriptToken::Kind::Name, std::wstring(in.substr(start, i - start)) });
        } else if (IsDigit(c) || (c == L'-' && i + 1 < in.size() && IsDigit(in[i + 1]))) {
            ++i;
            while (i < in.size() && IsDigit(in[i]))
                ++i;
            tokens.push_back({ ScriptToken::Kind::Number, std::wstring(in.substr(start, i - start)) });
        } else if (c == L'\'' || c == L'"') {
            size_t end = in.find(c, i + 1);
            if (end == std::wstring_view::npos)
                throw ScriptError("unterminated string");
            tokens.push_back({ ScriptToken::Kind::String, std::wstring(in.substr(i + 1, end - i - 1)) });
            i = end + 1;
        } else {
            std::wstring_view two = in.substr(i, 2);
            bool paired = false;
            for (const wchar_t* symbol : kTwoCharSymbols)
                paired = paired || two == symbol;
            if (!paired && kOneCharSymbols.find(c) == std::wstring_view::npos)
                throw ScriptError("unexpected character '" + Narrow(in.substr(i, 1)) + "'");
            i += paired ? 2 : 1;
            tokens.push_back({ ScriptToken::Kind::Symbol, std::wstring(in.substr(start, i - start)) });
        }
    }
    tokens.push_back({ ScriptToken::Kind::End, L"" });
    return tokens;
}

}  // namespace htmlengine
