#include "tests/htmlengine/JsonGrammar.h"

#include <cwchar>

namespace {

class Recogniser {
public:
    explicit Recogniser(const std::wstring& text) : m_at(text.c_str()), m_end(text.c_str() + text.size()) {}

    bool WholeText()
    {
        Blanks();
        bool ok = Value(0);
        Blanks();
        return ok && m_at == m_end;
    }

private:
    bool Is(wchar_t c) const { return m_at < m_end && *m_at == c; }
    bool IsIn(const wchar_t* set) const { return m_at < m_end && *m_at != 0 && std::wcschr(set, *m_at); }
    bool Take(wchar_t c) { return Is(c) && ++m_at; }
    void Blanks()
    {
        while (IsIn(L" \t\r\n"))
            ++m_at;
    }
    int Digits()
    {
        int count = 0;
        for (; IsIn(L"0123456789"); ++m_at)
            ++count;
        return count;
    }

    bool Value(int depth)
    {
        if (Is(L'{') || Is(L'['))
            return depth < 512 && Container(depth + 1);
        if (Is(L'"'))
            return String();
        return Word(L"true") || Word(L"false") || Word(L"null") || Number();
    }

    bool Container(int depth)
    {
        wchar_t close = *m_at++ == L'{' ? L'}' : L']';
        Blanks();
        if (Take(close))
            return true;
        do {
            Blanks();
            if (close == L'}' && !(Name() && (Blanks(), Take(L':'))))
                return false;
            Blanks();
            if (!Value(depth))
                return false;
            Blanks();
        } while (Take(L','));
        return Take(close);
    }

    bool Name()
    {
        if (Is(L'"'))
            return String();
        const wchar_t* letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
        if (!IsIn(letters))
            return false;
        while (IsIn(letters) || IsIn(L"0123456789"))
            ++m_at;
        return true;
    }

    bool String()
    {
        ++m_at;
        while (m_at < m_end && *m_at != L'"') {
            if (*m_at++ != L'\\')
                continue;
            if (IsIn(L"\"\\/bfnrt")) {
                ++m_at;
            } else if (Take(L'u')) {
                for (int i = 0; i < 4; ++i, ++m_at)
                    if (!IsIn(L"0123456789abcdefABCDEF"))
                        return false;
            } else {
                return false;
            }
        }
        return Take(L'"');
    }

    bool Word(const wchar_t* word)
    {
        size_t length = std::wcslen(word);
        if (static_cast<size_t>(m_end - m_at) < length || std::wcsncmp(m_at, word, length) != 0)
            return false;
        m_at += length;
        return true;
    }

    bool Number()
    {
        Take(L'-');
        if (!Take(L'0') && Digits() == 0)
            return false;
        if (Take(L'.') && Digits() == 0)
            return false;
        if (Take(L'e') || Take(L'E')) {
            if (!Take(L'+'))
                Take(L'-');
            return Digits() > 0;
        }
        return true;
    }

    const wchar_t* m_at;
    const wchar_t* m_end;
};

}  // namespace

bool IsAcceptableJson(const std::wstring& text)
{
    return Recogniser(text).WholeText();
}
