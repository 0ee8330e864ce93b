#include "htmlengine/document/script/ScriptParser.h"

#include <cwchar>

namespace htmlengine {

namespace {

using Kind = ScriptExpression::Kind;

ExpressionPtr Make(Kind kind, std::wstring text = L"")
{
    auto expression = std::make_unique<ScriptExpression>();
    expression->kind = kind;
    expression->text = std::move(text);
    return expression;
}

ExpressionPtr Make(Kind kind, ExpressionPtr left, ExpressionPtr right)
{
    ExpressionPtr expression = Make(kind);
    expression->operands.push_back(std::move(left));
    if (right)
        expression->operands.push_back(std::move(right));
    return expression;
}

class Parser {
public:
    explicit Parser(std::wstring_view source) : tokens_(TokenizeScript(source)) {}

    Block Program()
    {
        bool braced = Accept(L"{");
        Block block = Statements(braced ? L"}" : L"");
        if (braced)
            Expect(L"}");
        if (Peek().kind != ScriptToken::Kind::End)
            Fail("end of script expected");
        return block;
    }

private:
    Block Statements(const wchar_t* closing)
    {
        Block block;
        while (Peek().kind != ScriptToken::Kind::End && !IsSymbol(closing))
            block.push_back(Statement());
        return block;
    }

    Block Braced()
    {
        Expect(L"{");
        Block block = Statements(L"}");
        Expect(L"}");
        return block;
    }

    ScriptStatement Statement()
    {
        ScriptStatement statement {};
        if (AcceptName(L"host")) {
            statement.kind = ScriptStatement::Kind::HostCall;
            Call(statement);
        } else if (AcceptName(L"call")) {
            statement.kind = ScriptStatement::Kind::MethodCall;
            Call(statement);
            if (!AcceptName(L"on"))
                Fail("'on' expected");
            statement.operands.insert(statement.operands.begin(), Expression());
        } else if (AcceptName(L"if")) {
            return If();
        } else if (AcceptName(L"for")) {
            statement.kind = ScriptStatement::Kind::For;
            statement.name = Name();
            if (!AcceptName(L"in"))
                Fail("'in' expected");
            statement.operands.push_back(Expression());
            statement.then = Braced();
            return statement;
        } else if (AcceptName(L"sort")) {
            statement.kind = ScriptStatement::Kind::Sort;
            Arguments(statement.operands);
        } else {
            statement.kind = ScriptStatement::Kind::Assign;
            statement.operands.push_back(Expression());
            Expect(L"=");
            statement.operands.push_back(Expression());
        }
        Accept(L";");
        return statement;
    }

    ScriptStatement If()
    {
        ScriptStatement statement {};
        statement.kind = ScriptStatement::Kind::If;
        Expect(L"(");
        statement.operands.push_back(Expression());
        Expect(L")");
        statement.then = Braced();
        if (AcceptName(L"else")) {
            if (AcceptName(L"if"))
                statement.otherwise.push_back(If());
            else
                statement.otherwise = Braced();
        }
        return statement;
    }

    void Call(ScriptStatement& statement)
    {
        statement.name = Name();
        Arguments(statement.operands);
    }

    void Arguments(std::vector<ExpressionPtr>& into)
    {
        Expect(L"(");
        if (Accept(L")"))
            return;
        do
            into.push_back(Expression());
        while (Accept(L","));
        Expect(L")");
    }

    ExpressionPtr Expression() { return Binary(0); }

    // Precedence, loosest first: || && (== !=) +
    ExpressionPtr Binary(int level)
    {
        static const struct {
            const wchar_t* symbol;
            Kind kind;
            int level;
        } kOperators[] = { { L"||", Kind::Or, 0 },
                           { L"&&", Kind::And, 1 },
                           { L"==", Kind::Equal, 2 },
                           { L"!=", Kind::NotEqual, 2 },
                           { L"+", Kind::Plus, 3 } };
        if (level > 3)
            return Unary();
        ExpressionPtr left = Binary(level + 1);
        for (bool matched = true; matched;) {
            matched = false;
            for (const auto& op : kOperators)
                if (op.level == level && Accept(op.symbol)) {
                    left = Make(op.kind, std::move(left), Binary(level + 1));
                    matched = true;
                }
        }
        return left;
    }

    ExpressionPtr Unary()
    {
        if (Accept(L"!"))
            return Make(Kind::Not, Unary(), nullptr);
        ExpressionPtr base = Primary();
        for (;;) {
            if (Accept(L"@")) {
                base = Make(Kind::Attribute, std::move(base), nullptr), base->text = Name();
            } else if (Accept(L":")) {
                base = Make(Kind::Property, std::move(base), nullptr), base->text = Name();
            } else if (Accept(L".")) {
                ExpressionPtr method = Make(Kind::Method, Name());
                method->operands.push_back(std::move(base));
                Arguments(method->operands);
                base = std::move(method);
            } else {
                return base;
            }
        }
    }

    ExpressionPtr Primary()
    {
        ScriptToken token = Next();
        switch (token.kind) {
        case ScriptToken::Kind::String: return Make(Kind::String, token.text);
        case ScriptToken::Kind::Number: return Make(Kind::Number, token.text);
        case ScriptToken::Kind::Name: return Named(token.text);
        case ScriptToken::Kind::Symbol: return Grouped(token.text);
        case ScriptToken::Kind::End: break;
        }
        Fail("expression expected");
    }

    ExpressionPtr Named(const std::wstring& name)
    {
        if (name == L"true" || name == L"false")
            return Make(Kind::Boolean, name);
        if (name == L"null")
            return Make(Kind::Null);
        if (name == L"self")
            return Make(Kind::Self);
        return Make(Kind::Variable, name);
    }

    ExpressionPtr Grouped(const std::wstring& symbol)
    {
        if (symbol == L"(") {
            ExpressionPtr inner = Expression();
            Expect(L")");
            return inner;
        }
        if (symbol != L"$" && symbol != L"$$")
            Fail("expression expected");
        ExpressionPtr find = Make(symbol == L"$" ? Kind::FindInDocument : Kind::FindAllInDocument);
        Expect(L"(");
        find->operands.push_back(Expression());
        Expect(L")");
        return find;
    }

    std::wstring Name()
    {
        if (Peek().kind != ScriptToken::Kind::Name)
            Fail("name expected");
        return Next().text;
    }

    const ScriptToken& Peek() const { return tokens_[position_]; }
    ScriptToken Next() { return position_ + 1 < tokens_.size() ? tokens_[position_++] : tokens_.back(); }
    bool IsSymbol(const wchar_t* symbol) const
    {
        return Peek().kind == ScriptToken::Kind::Symbol && Peek().text == symbol;
    }
    bool Accept(const wchar_t* symbol) { return IsSymbol(symbol) ? (++position_, true) : false; }
    bool AcceptName(const wchar_t* name)
    {
        bool match = Peek().kind == ScriptToken::Kind::Name && Peek().text == name;
        if (match)
            ++position_;
        return match;
    }
    void Expect(const wchar_t* symbol)
    {
        if (!Accept(symbol))
            Fail("'" + std::string(symbol, symbol + wcslen(symbol)) + "' expected");
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        const std::wstring& at = Peek().text;
        throw ScriptError(what + " at token " + std::to_string(position_) + " '" + std::string(at.begin(), at.end()) +
                          "'");
    }

    std::vector<ScriptToken> tokens_;
    size_t position_ = 0;
};

}  // namespace

Block ParseScript(std::wstring_view source)
{
    return Parser(source).Program();
}

}  // namespace htmlengine
