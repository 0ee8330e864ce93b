#include "tools/qbsim/Json.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

namespace QbSim {

namespace {

const Json kNull;

class Parser {
public:
    explicit Parser(const std::wstring& text) : m_text(text), m_at(0) {}

    Json ParseDocument()
    {
        Json value = ParseValue();
        SkipBlanks();
        if (m_at != m_text.size())
            Fail("text after the value");
        return value;
    }

private:
    void Fail(const char* what) const
    {
        throw std::runtime_error(std::string("JSON: ") + what + " at offset " + std::to_string(m_at));
    }

    void SkipBlanks()
    {
        while (m_at < m_text.size() && std::wcschr(L" \t\r\n", m_text[m_at]) && m_text[m_at])
            ++m_at;
    }

    bool Take(wchar_t expected)
    {
        SkipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == expected) {
            ++m_at;
            return true;
        }
        return false;
    }

    void Expect(wchar_t expected)
    {
        if (!Take(expected))
            Fail("unexpected character");
    }

    bool TakeWord(const wchar_t* word)
    {
        size_t length = std::wcslen(word);
        if (m_text.compare(m_at, length, word) != 0)
            return false;
        m_at += length;
        return true;
    }

    Json ParseValue()
    {
        SkipBlanks();
        if (m_at >= m_text.size())
            Fail("missing value");
        wchar_t first = m_text[m_at];
        if (first == L'{')
            return ParseObject();
        if (first == L'[')
            return ParseArray();
        if (first == L'"')
            return Json(ParseString());
        if (TakeWord(L"true"))
            return Json(true);
        if (TakeWord(L"false"))
            return Json(false);
        if (TakeWord(L"null"))
            return Json();
        return ParseNumber();
    }

    Json ParseObject()
    {
        Expect(L'{');
        Json object = Json::MakeObject();
        if (Take(L'}'))
            return object;
        do {
            SkipBlanks();
            std::wstring name = ParseString();
            Expect(L':');
            object.Set(name, ParseValue());
        } while (Take(L','));
        Expect(L'}');
        return object;
    }

    Json ParseArray()
    {
        Expect(L'[');
        Json array = Json::MakeArray();
        if (Take(L']'))
            return array;
        do {
            array.Push(ParseValue());
        } while (Take(L','));
        Expect(L']');
        return array;
    }

    // The number's own characters are converted on their own: the C library's conversion may
    // measure the whole rest of the text first, which made a large file take quadratic time.
    Json ParseNumber()
    {
        size_t length = std::wcsspn(m_text.c_str() + m_at, L"+-0123456789.eE");
        std::wstring digits = m_text.substr(m_at, length);
        wchar_t* end = 0;
        double value = std::wcstod(digits.c_str(), &end);
        if (end == digits.c_str())
            Fail("invalid value");
        m_at += end - digits.c_str();
        return Json(value);
    }

    std::wstring ParseString()
    {
        if (m_at >= m_text.size() || m_text[m_at] != L'"')
            Fail("expected a string");
        ++m_at;
        std::wstring result;
        while (m_at < m_text.size() && m_text[m_at] != L'"') {
            wchar_t c = m_text[m_at++];
            result += c == L'\\' ? ParseEscape() : c;
        }
        if (m_at >= m_text.size())
            Fail("unterminated string");
        ++m_at;
        return result;
    }

    wchar_t ParseEscape()
    {
        if (m_at >= m_text.size())
            Fail("unterminated escape");
        wchar_t c = m_text[m_at++];
        switch (c) {
        case L'n': return L'\n';
        case L't': return L'\t';
        case L'r': return L'\r';
        case L'b': return L'\b';
        case L'f': return L'\f';
        case L'u': return ParseHexUnit();
        default: return c;
        }
    }

    wchar_t ParseHexUnit()
    {
        if (m_at + 4 > m_text.size())
            Fail("short \\u escape");
        std::wstring digits = m_text.substr(m_at, 4);
        m_at += 4;
        return static_cast<wchar_t>(std::wcstoul(digits.c_str(), 0, 16));
    }

    const std::wstring& m_text;
    size_t m_at;
};

void WriteString(const std::wstring& text, std::wstring& out)
{
    out += L'"';
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += L'\\';
            out += c;
        } else if (c < 0x20) {
            wchar_t escape[8];
            std::swprintf(escape, 8, L"\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += L'"';
}

void WriteNumber(double number, std::wstring& out)
{
    wchar_t text[40];
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        std::swprintf(text, 40, L"%lld", static_cast<long long>(number));
    else
        std::swprintf(text, 40, L"%.17g", number);
    out += text;
}

}  // namespace

long long Json::AsInt(long long fallback) const
{
    return m_kind == Number ? static_cast<long long>(m_number) : fallback;
}

std::wstring Json::AsString(const std::wstring& fallback) const
{
    return m_kind == String ? m_string : fallback;
}

void Json::Push(const Json& item)
{
    m_kind = Array;
    m_items.push_back(item);
}

const Json& Json::Get(const std::wstring& name) const
{
    for (const auto& member : m_members)
        if (member.first == name)
            return member.second;
    return kNull;
}

Json* Json::Find(const std::wstring& name)
{
    for (auto& member : m_members)
        if (member.first == name)
            return &member.second;
    return 0;
}

bool Json::Has(const std::wstring& name) const
{
    for (const auto& member : m_members)
        if (member.first == name)
            return true;
    return false;
}

void Json::Set(const std::wstring& name, const Json& value)
{
    m_kind = Object;
    if (Json* existing = Find(name))
        *existing = value;
    else
        m_members.push_back(std::make_pair(name, value));
}

void Json::Remove(const std::wstring& name)
{
    for (auto it = m_members.begin(); it != m_members.end(); ++it)
        if (it->first == name) {
            m_members.erase(it);
            return;
        }
}

const Json& Json::GetPath(const std::wstring& path) const
{
    const Json* node = this;
    size_t start = 0;
    while (start <= path.size()) {
        size_t dot = path.find(L'.', start);
        if (dot == std::wstring::npos)
            dot = path.size();
        node = &node->Get(path.substr(start, dot - start));
        start = dot + 1;
    }
    return *node;
}

Json Json::Parse(const std::wstring& text)
{
    return Parser(text).ParseDocument();
}

std::wstring Json::Write() const
{
    std::wstring out;
    switch (m_kind) {
    case Null: return L"null";
    case Bool: return m_bool ? L"true" : L"false";
    case Number: WriteNumber(m_number, out); return out;
    case String: WriteString(m_string, out); return out;
    case Array:
        out += L'[';
        for (size_t i = 0; i < m_items.size(); ++i)
            out += (i ? L",\n " : L"") + m_items[i].Write();
        return out + L']';
    case Object:
        out += L'{';
        for (size_t i = 0; i < m_members.size(); ++i) {
            if (i)
                out += L',';
            WriteString(m_members[i].first, out);
            out += L':' + m_members[i].second.Write();
        }
        return out + L'}';
    }
    return out;
}

}  // namespace QbSim
