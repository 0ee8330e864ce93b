#include "htmlengine/document/html/HtmlTokenizer.h"

#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/html/Entities.h"

namespace htmlengine {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
}
bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Elements whose content is raw text up to their own end tag (HTML 13.2.5.3 RAWTEXT state).
bool IsRawTextElement(const std::string& name)
{
    return name == "style" || name == "script";
}

class Tokenizer {
public:
    Tokenizer(std::wstring_view markup, const std::function<void(HtmlToken&)>& receive) : in_(markup), receive_(receive)
    {
    }

    void Run()
    {
        while (pos_ < in_.size()) {
            size_t lt = in_.find(L'<', pos_);
            if (lt == std::wstring_view::npos)
                lt = in_.size();
            textStart_ = textStart_ == npos ? pos_ : textStart_;
            pos_ = lt;
            if (pos_ < in_.size() && !TryMarkup())
                ++pos_;
        }
        FlushText(in_.size());
    }

private:
    static constexpr size_t npos = std::wstring_view::npos;

    // At a "<": a comment, a declaration, an end tag or a start tag; otherwise the "<" is text.
    bool TryMarkup()
    {
        size_t lt = pos_;
        if (in_.compare(lt, 4, L"<!--") == 0)
            return ReadComment(lt);
        if (in_.compare(lt, 2, L"<!") == 0 || in_.compare(lt, 2, L"<?") == 0)
            return SkipDeclaration(lt);
        if (in_.compare(lt, 2, L"</") == 0 && lt + 2 < in_.size() && IsAsciiLetter(in_[lt + 2]))
            return ReadEndTag(lt);
        if (lt + 1 < in_.size() && IsAsciiLetter(in_[lt + 1]))
            return ReadStartTag(lt);
        return false;
    }

    // HTML 13.2.5.43 comment start: "<!--" up to the first "-->", or to the end.
    bool ReadComment(size_t lt)
    {
        FlushText(lt);
        size_t end = in_.find(L"-->", lt + 4);
        HtmlToken token;
        token.kind = HtmlToken::Kind::Comment;
        token.text = std::wstring(in_.substr(lt + 4, (end == npos ? in_.size() : end) - lt - 4));
        receive_(token);
        pos_ = end == npos ? in_.size() : end + 3;
        return true;
    }

    // "<!DOCTYPE ...>" and "<?xml ...?>" carry nothing for us (HTML 13.2.5.42 bogus comment).
    bool SkipDeclaration(size_t lt)
    {
        FlushText(lt);
        size_t end = in_.find(L'>', lt);
        pos_ = end == npos ? in_.size() : end + 1;
        return true;
    }

    bool ReadEndTag(size_t lt)
    {
        size_t nameEnd = NameEnd(lt + 2);
        size_t gt = in_.find(L'>', nameEnd);
        if (gt == npos)
            return false;
        FlushText(lt);
        HtmlToken token;
        token.kind = HtmlToken::Kind::EndTag;
        token.name = ToLowerAscii(Narrow(in_.substr(lt + 2, nameEnd - lt - 2)));
        receive_(token);
        pos_ = gt + 1;
        return true;
    }

    bool ReadStartTag(size_t lt)
    {
        HtmlToken token;
        token.kind = HtmlToken::Kind::StartTag;
        size_t p = NameEnd(lt + 1);
        token.name = ToLowerAscii(Narrow(in_.substr(lt + 1, p - lt - 1)));
        if (!ReadAttributes(p, token))
            return false;
        FlushText(lt);
        pos_ = p;
        bool rawText = IsRawTextElement(token.name) && !token.selfClosing;
        std::string name = token.name;
        receive_(token);
        if (rawText)
            ReadRawText(name);
        return true;
    }

    // HTML 13.2.5.32-39, attribute states; `p` ends past the ">". False when no ">" follows.
    bool ReadAttributes(size_t& p, HtmlToken& token)
    {
        for (;;) {
            while (p < in_.size() && IsBlank(in_[p]))
                ++p;
            if (p >= in_.size())
                return false;
            if (in_[p] == L'>') {
                ++p;
                return true;
            }
            if (in_.compare(p, 2, L"/>") == 0) {
                token.selfClosing = true;
                p += 2;
                return true;
            }
            if (in_[p] == L'/') {
                ++p;
                continue;
            }
            ReadAttribute(p, token);
        }
    }

    void ReadAttribute(size_t& p, HtmlToken& token)
    {
        size_t nameStart = p;
        while (p < in_.size() && !IsBlank(in_[p]) && in_[p] != L'=' && in_[p] != L'>' && in_.compare(p, 2, L"/>") != 0)
            ++p;
        std::wstring name(in_.substr(nameStart, p - nameStart));
        std::wstring value;
        size_t q = p;
        while (q < in_.size() && IsBlank(in_[q]))
            ++q;
        if (q < in_.size() && in_[q] == L'=') {
            p = q + 1;
            while (p < in_.size() && IsBlank(in_[p]))
                ++p;
            value = DecodeEntities(ReadAttributeValue(p));
        }
        AddAttribute(token, name, std::move(value));
    }

    // 13.2.5.36-38: double-quoted, single-quoted or unquoted up to a blank or ">".
    std::wstring_view ReadAttributeValue(size_t& p)
    {
        if (p < in_.size() && (in_[p] == L'"' || in_[p] == L'\'')) {
            wchar_t quote = in_[p];
            size_t end = in_.find(quote, p + 1);
            if (end == npos)
                end = in_.size();
            std::wstring_view value = in_.substr(p + 1, end - p - 1);
            p = end == in_.size() ? end : end + 1;
            return value;
        }
        size_t start = p;
        while (p < in_.size() && !IsBlank(in_[p]) && in_[p] != L'>')
            ++p;
        return in_.substr(start, p - start);
    }

    // Our shorthand: ".name" among the attributes adds a class. Repeated attributes keep the
    // first value (HTML 13.2.5.33, "duplicate-attribute").
    static void AddAttribute(HtmlToken& token, const std::wstring& name, std::wstring value)
    {
        if (name.size() > 1 && name[0] == L'.') {
            std::wstring cls = name.substr(1);
            for (Attribute& attribute : token.attributes)
                if (attribute.name == "class") {
                    attribute.value += L" " + cls;
                    return;
                }
            token.attributes.push_back({ "class", cls });
            return;
        }
        std::string narrowName(name.begin(), name.end());
        for (const Attribute& attribute : token.attributes)
            if (EqualsNoCase(attribute.name, narrowName))
                return;
        token.attributes.push_back({ narrowName, std::move(value) });
    }

    void ReadRawText(const std::string& name)
    {
        std::wstring closing = L"</" + Widen(name);
        size_t end = pos_;
        for (;; ++end) {
            end = in_.find(L"</", end);
            if (end == npos || EqualsNoCase(in_.substr(end, closing.size()), closing))
                break;
        }
        if (end == npos)
            end = in_.size();
        if (end > pos_) {
            HtmlToken text;
            text.text = std::wstring(in_.substr(pos_, end - pos_));
            receive_(text);
        }
        pos_ = end;
        textStart_ = npos;
    }

    size_t NameEnd(size_t p) const
    {
        while (p < in_.size() && !IsBlank(in_[p]) && in_[p] != L'>' && in_.compare(p, 2, L"/>") != 0)
            ++p;
        return p;
    }

    void FlushText(size_t end)
    {
        if (textStart_ != npos && end > textStart_) {
            HtmlToken text;
            text.text = DecodeEntities(in_.substr(textStart_, end - textStart_));
            receive_(text);
        }
        textStart_ = npos;
    }

    std::wstring_view in_;
    size_t pos_ = 0;
    size_t textStart_ = npos;
    const std::function<void(HtmlToken&)>& receive_;
};

}  // namespace

void TokenizeHtml(std::wstring_view markup, const std::function<void(HtmlToken&)>& receive)
{
    Tokenizer(markup, receive).Run();
}

}  // namespace htmlengine
