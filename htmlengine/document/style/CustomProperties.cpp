#include "htmlengine/document/style/CustomProperties.h"

#include "htmlengine/document/css/VarReference.h"
#include "htmlengine/document/dom/AsciiCase.h"

#include <set>

namespace htmlengine {

namespace {

// Resolves the element's own declarations on demand, so one may refer to another in any
// order; a reference back to a property being resolved is a cycle (§2.3) and leaves it undefined.
class Resolver {
public:
    Resolver(const CustomProperties& declared, CustomProperties& result, std::vector<std::wstring>& problems)
        : declared_(declared), result_(result), problems_(problems)
    {
    }

    void ResolveAll()
    {
        std::wstring value;
        for (const auto& declared : declared_)
            Lookup(declared.first, value);
    }

private:
    bool Lookup(const std::string& name, std::wstring& value)
    {
        auto declared = declared_.find(name);
        if (declared == declared_.end() || done_.count(name))
            return Found(name, value);
        if (!active_.insert(name).second) {
            problems_.push_back(L"custom property refers to itself: " + Widen(name));
            return false;
        }
        std::wstring resolved, problem;
        VarLookup lookup = [this](const std::string& other, std::wstring& text) { return Lookup(other, text); };
        bool ok = SubstituteVars(declared->second, lookup, resolved, problem);
        active_.erase(name);
        done_.insert(name);
        if (ok)
            result_[name] = resolved;
        else {
            result_.erase(name);
            problems_.push_back(Widen(name) + L": " + problem);
        }
        return Found(name, value);
    }

    bool Found(const std::string& name, std::wstring& value) const
    {
        auto found = result_.find(name);
        if (found == result_.end())
            return false;
        value = found->second;
        return true;
    }

    const CustomProperties& declared_;
    CustomProperties& result_;
    std::vector<std::wstring>& problems_;
    std::set<std::string> active_, done_;
};

}  // namespace

bool IsCustomProperty(const std::string& name)
{
    return name.size() > 2 && name.compare(0, 2, "--") == 0;
}

std::shared_ptr<const CustomProperties>
ResolveCustomProperties(const std::shared_ptr<const CustomProperties>& inherited,
                        const std::vector<const Declaration*>& declarations, std::vector<std::wstring>& problems)
{
    CustomProperties declared;
    for (const Declaration* declaration : declarations)
        if (IsCustomProperty(declaration->property))
            declared[declaration->property] = declaration->value;
    if (declared.empty())
        return inherited;
    auto result = std::make_shared<CustomProperties>(inherited ? *inherited : CustomProperties());
    Resolver(declared, *result, problems).ResolveAll();
    return result;
}

bool SubstituteCustomProperties(const std::wstring& value, const CustomProperties* properties, std::wstring& out,
                                std::wstring& problem)
{
    VarLookup lookup = [properties](const std::string& name, std::wstring& text) {
        if (!properties)
            return false;
        auto found = properties->find(name);
        if (found == properties->end())
            return false;
        text = found->second;
        return true;
    };
    return SubstituteVars(value, lookup, out, problem);
}

}  // namespace htmlengine
