#pragma once
// Runs a parsed page script for one element ("self"). Host calls go to the window's
// handlers, method calls to the behaviours of the element named, both as script calls
// (group 0x200, id 0xFF) with VALUE arguments. Throws ScriptError when the script asks
// for something that is not there.
#include "htmlengine/document/script/ScriptTree.h"
#include "htmlengine/document/script/ScriptValue.h"

#include <map>

namespace htmlengine {

class Document;
class Element;

class ScriptRunner {
public:
    ScriptRunner(Document& document, Element& self) : document_(document), self_(self) {}
    void Run(const Block& block);

private:
    void Execute(const ScriptStatement& statement);
    void Assign(const ScriptExpression& target, const ScriptValue& value);
    void Call(bool host, Element& target, const std::wstring& name, const std::vector<ExpressionPtr>& arguments,
              size_t first);
    void Sort(const std::vector<ExpressionPtr>& arguments);

    ScriptValue Evaluate(const ScriptExpression& expression);
    ScriptValue Property(Element& element, const std::wstring& name);
    ScriptValue Method(const ScriptExpression& expression);
    Element& ElementOf(const ScriptExpression& expression);
    std::wstring TextOf(const ScriptExpression& expression) { return Evaluate(expression).Text(); }

    Document& document_;
    Element& self_;
    std::map<std::wstring, ScriptValue> variables_;
};

}  // namespace htmlengine
