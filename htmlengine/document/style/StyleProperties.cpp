#include "htmlengine/document/style/StyleProperties.h"

#include "htmlengine/document/style/CustomProperties.h"

#include <unordered_map>

namespace htmlengine {

namespace {

struct Table {
    std::vector<PropertyDefinition> definitions;
    std::unordered_map<std::string, const PropertyDefinition*> byName;

    Table()
    {
        AddBoxProperties(definitions);
        AddBorderProperties(definitions);
        AddBackgroundProperties(definitions);
        AddTextProperties(definitions);
        AddFlexProperties(definitions);
        for (const PropertyDefinition& definition : definitions)
            byName[definition.name] = &definition;
    }
};

}  // namespace

const PropertyDefinition* FindProperty(const std::string& name)
{
    static const Table table;
    auto found = table.byName.find(name);
    return found == table.byName.end() ? nullptr : found->second;
}

bool IsKnownProperty(const std::string& name)
{
    return FindProperty(name) || IsNonVisualProperty(name) || IsCustomProperty(name);
}

bool IsNonVisualProperty(const std::string& name)
{
    return name.compare(0, 3, "on-") == 0 || name == "focusable";
}

}  // namespace htmlengine
