#include "htmlengine/document/script/ScriptRunner.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/AttributeEffects.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/script/RowSorter.h"
#include "htmlengine/document/script/ScriptLexer.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/value/ElementReferences.h"

namespace htmlengine {

namespace {

using Kind = ScriptExpression::Kind;

struct StateName {
    const wchar_t* name;
    unsigned bit;
};

const StateName kStates[] = { { L"expanded", kStateExpanded }, { L"collapsed", kStateCollapsed },
                              { L"current", kStateCurrent },   { L"checked", kStateChecked },
                              { L"disabled", kStateDisabled }, { L"focus", kStateFocus } };

unsigned StateBit(const std::wstring& name)
{
    for (const StateName& state : kStates)
        if (name == state.name)
            return state.bit;
    return 0;
}

SelectorList Selectors(const std::wstring& text)
{
    try {
        return ParseSelectors(text);
    } catch (const SelectorError& error) {
        throw ScriptError("bad selector '" + Narrow(text) + "': " + error.what());
    }
}

ScriptValue FromControl(const ControlValue& value)
{
    switch (value.kind) {
    case ControlValue::Kind::Boolean: return ScriptValue::Boolean(value.number != 0);
    case ControlValue::Kind::Integer:
    case ControlValue::Kind::Date: return ScriptValue::Integer(value.number);
    case ControlValue::Kind::String: return ScriptValue::String(value.text);
    case ControlValue::Kind::Undefined: break;
    }
    return ScriptValue();
}

void ToValue(const ScriptValue& value, VALUE& out)
{
    switch (value.kind) {
    case ScriptValue::Kind::Boolean: ValueIntDataSet(&out, int(value.number), VALUE_BOOL, 0); break;
    case ScriptValue::Kind::Integer: ValueIntDataSet(&out, int(value.number), VALUE_INT, 0); break;
    case ScriptValue::Kind::String: ValueStringDataSet(&out, value.text.c_str(), uint32_t(value.text.size()), 0); break;
    case ScriptValue::Kind::Element: SetElementValue(out, value.element); break;
    default: break;
    }
}

}  // namespace

void ScriptRunner::Run(const Block& block)
{
    for (const ScriptStatement& statement : block) {
        if (self_.deleted)
            return;
        Execute(statement);
    }
}

void ScriptRunner::Execute(const ScriptStatement& statement)
{
    const auto& operands = statement.operands;
    switch (statement.kind) {
    case ScriptStatement::Kind::HostCall: return Call(true, self_, statement.name, operands, 0);
    case ScriptStatement::Kind::MethodCall: return Call(false, ElementOf(*operands[0]), statement.name, operands, 1);
    case ScriptStatement::Kind::Assign: return Assign(*operands[0], Evaluate(*operands[1]));
    case ScriptStatement::Kind::If: return Run(Evaluate(*operands[0]).IsTrue() ? statement.then : statement.otherwise);
    case ScriptStatement::Kind::Sort: return Sort(operands);
    case ScriptStatement::Kind::For: {
        ScriptValue list = Evaluate(*operands[0]);
        if (list.kind != ScriptValue::Kind::List)
            throw ScriptError("for needs a list ($$ or .all)");
        ElementHold hold(list.list);  // the host, called in the loop, may delete later elements
        for (Element* element : hold.Elements()) {
            if (element->deleted)
                continue;
            variables_[statement.name] = ScriptValue::Of(element);
            Run(statement.then);
        }
        return;
    }
    }
}

void ScriptRunner::Assign(const ScriptExpression& target, const ScriptValue& value)
{
    if (target.kind == Kind::Attribute) {
        Element& element = ElementOf(*target.operands[0]);
        std::string name = ToLowerAscii(Narrow(target.text));
        if (value.kind == ScriptValue::Kind::Null)
            element.RemoveAttribute(name);
        else
            element.SetAttribute(Narrow(target.text), value.Text());
        return AttributeChanged(element, name);
    }
    if (target.kind == Kind::Property && StateBit(target.text)) {
        unsigned bit = StateBit(target.text);
        return ChangeState(ElementOf(*target.operands[0]), value.IsTrue() ? bit : 0, value.IsTrue() ? 0 : bit);
    }
    if (target.kind == Kind::Method && target.text == L"style" && target.operands.size() == 2) {
        return SetRuntimeStyle(ElementOf(*target.operands[0]), ToLowerAscii(Narrow(TextOf(*target.operands[1]))),
                               value.Text());
    }
    throw ScriptError("cannot assign to this");
}

void ScriptRunner::Call(bool host, Element& target, const std::wstring& name,
                        const std::vector<ExpressionPtr>& arguments, size_t first)
{
    std::vector<VALUE> values(arguments.size() - first);
    for (size_t i = 0; i < values.size(); ++i) {
        ValueInit(&values[i]);
        ToValue(Evaluate(*arguments[first + i]), values[i]);
    }
    std::string narrowName = Narrow(name);
    XCALL_PARAMS params = { METHOD_SCRIPT_CALL, narrowName.c_str(), UINT(values.size()), values.data(), {} };
    ValueInit(&params.retval);
    if (host)
        DispatchToWindow(document_, target, GROUP_METHOD_CALL, &params);
    else
        DispatchToElement(target, GROUP_METHOD_CALL, &params);
    ValueClear(&params.retval);
    for (VALUE& value : values)
        ValueClear(&value);
}

// sort(container, rows, "asc"|"desc", key...)
void ScriptRunner::Sort(const std::vector<ExpressionPtr>& arguments)
{
    if (arguments.size() < 4)
        throw ScriptError("sort needs a container, rows, a direction and keys");
    std::vector<std::wstring> keys;
    for (size_t i = 3; i < arguments.size(); ++i)
        keys.push_back(TextOf(*arguments[i]));
    SortRows(ElementOf(*arguments[0]), TextOf(*arguments[1]), TextOf(*arguments[2]) == L"desc", keys);
}

ScriptValue ScriptRunner::Evaluate(const ScriptExpression& e)
{
    switch (e.kind) {
    case Kind::String: return ScriptValue::String(e.text);
    case Kind::Number: return ScriptValue::Integer(std::stoll(e.text));
    case Kind::Boolean: return ScriptValue::Boolean(e.text == L"true");
    case Kind::Null: return ScriptValue();
    case Kind::Self: return ScriptValue::Of(&self_);
    case Kind::Variable: {
        auto found = variables_.find(e.text);
        if (found == variables_.end())
            throw ScriptError("unknown name " + Narrow(e.text));
        return found->second;
    }
    case Kind::FindInDocument:
        return ScriptValue::Of(SelectFirst(*document_.Root(), Selectors(TextOf(*e.operands[0]))));
    case Kind::FindAllInDocument: {
        ScriptValue list;
        list.kind = ScriptValue::Kind::List;
        list.list = SelectAll(*document_.Root(), Selectors(TextOf(*e.operands[0])));
        return list;
    }
    case Kind::Attribute: {
        const std::wstring* value = ElementOf(*e.operands[0]).FindAttribute(Narrow(e.text));
        return value ? ScriptValue::String(*value) : ScriptValue();
    }
    case Kind::Property: return Property(ElementOf(*e.operands[0]), e.text);
    case Kind::Method: return Method(e);
    case Kind::Not: return ScriptValue::Boolean(!Evaluate(*e.operands[0]).IsTrue());
    case Kind::Equal: return ScriptValue::Boolean(Evaluate(*e.operands[0]).Equals(Evaluate(*e.operands[1])));
    case Kind::NotEqual: return ScriptValue::Boolean(!Evaluate(*e.operands[0]).Equals(Evaluate(*e.operands[1])));
    case Kind::And: return ScriptValue::Boolean(Evaluate(*e.operands[0]).IsTrue() && Evaluate(*e.operands[1]).IsTrue());
    case Kind::Or: return ScriptValue::Boolean(Evaluate(*e.operands[0]).IsTrue() || Evaluate(*e.operands[1]).IsTrue());
    case Kind::Plus: {
        ScriptValue a = Evaluate(*e.operands[0]), b = Evaluate(*e.operands[1]);
        if (a.kind == ScriptValue::Kind::Integer && b.kind == ScriptValue::Kind::Integer)
            return ScriptValue::Integer(a.number + b.number);
        return ScriptValue::String(a.Text() + b.Text());
    }
    }
    return ScriptValue();
}

ScriptValue ScriptRunner::Property(Element& element, const std::wstring& name)
{
    if (name == L"value") {
        Control* control = element.GetControl();
        return FromControl(control ? control->GetValue(element) : TextValue(element));
    }
    if (name == L"text")
        return ScriptValue::String(TextContent(element));
    if (name == L"index")
        return ScriptValue::Integer(static_cast<long long>(element.Index()));
    if (unsigned bit = StateBit(name))
        return ScriptValue::Boolean((element.State() & bit) != 0);
    throw ScriptError("unknown property :" + Narrow(name));
}

// base.find(sel), .all(sel), .parent(sel), .style(name), .lower()
ScriptValue ScriptRunner::Method(const ScriptExpression& e)
{
    const std::wstring& name = e.text;
    if (name == L"lower")
        return ScriptValue::String(ToLowerAscii(TextOf(*e.operands[0])));
    if (e.operands.size() != 2)
        throw ScriptError("method ." + Narrow(name) + " takes one argument");
    Element& base = ElementOf(*e.operands[0]);
    std::wstring argument = TextOf(*e.operands[1]);
    if (name == L"style")
        return ScriptValue::String(StyleProperty(base, ToLowerAscii(Narrow(argument))));
    SelectorList selectors = Selectors(argument);
    if (name == L"find")
        return ScriptValue::Of(SelectFirst(base, selectors));
    if (name == L"all") {
        ScriptValue list;
        list.kind = ScriptValue::Kind::List;
        list.list = SelectAll(base, selectors);
        return list;
    }
    if (name == L"parent") {
        for (Element* e2 = base.Parent(); e2; e2 = e2->Parent())
            if (MatchesAny(selectors, *e2, document_.Root()))
                return ScriptValue::Of(e2);
        return ScriptValue();
    }
    throw ScriptError("unknown method ." + Narrow(name));
}

Element& ScriptRunner::ElementOf(const ScriptExpression& expression)
{
    ScriptValue value = Evaluate(expression);
    if (value.kind != ScriptValue::Kind::Element || value.element->deleted)
        throw ScriptError("no such element");
    return *value.element;
}

}  // namespace htmlengine
