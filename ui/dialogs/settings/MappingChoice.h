#pragma once
// Reading a mapping select back: the engine copies the chosen option's attributes onto the
// select's caption; a fixed text (a span with no caption) carries them itself.
#include <map>
#include <string>

#include <boost/optional.hpp>

#include "ui/toolkit/Element.h"

namespace Quorvane {
class Mapping;
}

struct MappingChoice {
    int state;
    std::wstring value;
    std::wstring postfix;
};

// None when the caption carries no state: nothing was chosen, and nothing is to be stored.
boost::optional<MappingChoice> ReadMappingChoice(const htmlayout::dom::element& select);

// Stores the state and, for a mapped choice, the target. A mapped choice without a value
// names nothing and leaves the mapping as it was; false then.
bool ApplyMappingChoice(Quorvane::Mapping& mapping, const MappingChoice& choice);

// The select (or fixed text) of every row, by its id: the first element of the row's second cell.
std::map<std::wstring, htmlayout::dom::element> MappingSelectsById(const std::vector<htmlayout::dom::element>& rows);
