#pragma once
// The object model the simulator hands out, as one table that follows QBFC's own (its member
// names and its OR... choice nodes): every automation object is a node of one of these types.
// Aggregates have named members; value types hold one typed value; lists hold strings or
// objects. Adding a field to a request or a Ret is one word in the table.
#include <string>
#include <vector>

namespace QbSim {

enum class NodeKind {
    Aggregate,
    TextValue,
    DateValue,
    BoolValue,
    IntValue,
    EnumValue,
    IntervalValue,
    StringList,
    ObjectList
};

enum class MemberKind {
    Object,  // a property giving a node of `type`
    PlainInt,  // a property giving a long straight from the node's JSON
    PlainText,  // a property giving a BSTR (null when the JSON holds null)
    AnyObject,  // a property giving a node whose type the JSON names in "@type"
};

// Each interface numbers its members on its own, as QBFC does: the same name has another id on
// another interface, and an id that a caller kept from an object of another interface reaches
// no member there.
struct Member {
    std::wstring name;
    MemberKind kind;
    std::wstring type;
    long id;
};

struct TypeDef {
    std::wstring name;
    NodeKind kind;
    std::vector<Member> members;  // aggregates
    std::wstring elementType;  // object lists
    std::wstring enumName;  // enumerated values: the enumeration's name (Enums.h)
    // Added to the fixed ids of a list's or enumerated value's members; 0 for the value types
    // and IBSTRList, whose single interfaces keep QBFC's own ids.
    long idBase;
};

// Throws std::runtime_error for a name that is not in the table.
const TypeDef& FindType(const std::wstring& name);
// A request's type as a QBFC of the given major version offers it (some changed over time).
const TypeDef& FindRequestType(const std::wstring& name, int qbfcVersion);
// The names of every aggregate and object list without their "I", for ENObjectType.
std::vector<std::wstring> ObjectTypeNames();
// "IQBENBillableStatusType" for "BillableStatus".
std::wstring EnumTypeName(const std::wstring& enumName);

}  // namespace QbSim
