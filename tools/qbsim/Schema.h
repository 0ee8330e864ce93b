#pragma once
// The object model the simulator hands out, as one table: every automation object is a node of
// one of these types. Aggregates have named members; value types hold one typed value; lists
// hold strings or objects. Adding a field to a request or a Ret is one word in the table.
#include <string>
#include <vector>

namespace QbSim {

enum class NodeKind { Aggregate, TextValue, DateValue, BoolValue, IntValue, IntervalValue, StringList, ObjectList };

enum class MemberKind {
    Object,     // a property giving a node of `type`
    PlainInt,   // a property giving a long straight from the node's JSON
    PlainText,  // a property giving a BSTR (null when the JSON holds null)
    AnyObject,  // a property giving a node whose type the JSON names in "@type"
};

struct Member {
    std::wstring name;
    MemberKind kind;
    std::wstring type;
};

struct TypeDef {
    std::wstring name;
    NodeKind kind;
    std::vector<Member> members;  // aggregates
    std::wstring elementType;     // object lists
};

// Throws std::runtime_error for a name that is not in the table.
const TypeDef& FindType(const std::wstring& name);

}  // namespace QbSim
