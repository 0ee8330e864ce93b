#pragma once
// The parsed form of a page script.
#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

struct ScriptExpression;
using ExpressionPtr = std::unique_ptr<ScriptExpression>;

struct ScriptExpression {
    enum class Kind {
        String,
        Number,
        Boolean,
        Null,
        Self,
        Variable,
        FindInDocument,
        FindAllInDocument,  // $(sel), $$(sel)
        Attribute,  // base@name
        Property,  // base:name (value, text, index, or a state)
        Method,  // base.name(args): find, all, parent, style, lower
        Not,
        Equal,
        NotEqual,
        And,
        Or,
        Plus
    };
    Kind kind;
    std::wstring text;  // literal, variable, attribute, property or method name
    std::vector<ExpressionPtr> operands;  // base first, then arguments
};

struct ScriptStatement;
using Block = std::vector<ScriptStatement>;

struct ScriptStatement {
    enum class Kind { HostCall, MethodCall, Assign, If, For, Sort };
    Kind kind;
    std::wstring name;  // call name or loop variable
    std::vector<ExpressionPtr> operands;  // arguments; or target and value; or condition; or list
    Block then;
    Block otherwise;
};

}  // namespace htmlengine
