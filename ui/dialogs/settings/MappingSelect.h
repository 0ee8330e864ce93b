#pragma once
// The markup of a mapping select: an engine dropdown whose options carry a mapping state and,
// where it matters, a value and a postfix. The engine copies the chosen option's attributes onto
// the caption, where the page scripts and the read-back find them. Every text and attribute is
// escaped, and exactly one option is always marked chosen: when none would be, an undecided
// option is added first and chosen, so the select never shows a choice nobody made.
#include <string>
#include <vector>

#include <boost/optional.hpp>

struct MappingOption {
    MappingOption(int state, const std::wstring& text) : state(state), text(text) {}
    MappingOption& WithValue(const std::wstring& v)
    {
        value = v;
        return *this;
    }
    MappingOption& WithPostfix(const std::wstring& p)
    {
        postfix = p;
        return *this;
    }

    int state;
    std::wstring text;  // plain text
    boost::optional<std::wstring> value;
    boost::optional<std::wstring> postfix;
};

// "--please select--" in the given state, without a value.
MappingOption UndecidedOption(int state);
// One option, for adding to a select already in the page.
std::wstring MappingOptionMarkup(const MappingOption& option, bool chosen);

class MappingSelect {
public:
    // An empty class writes no class attribute.
    MappingSelect(const std::wstring& id, const std::wstring& cssClass);

    void Add(const MappingOption& option, bool chosen);
    // The undecided option goes first; it is shown always, or only when nothing else is chosen,
    // and it is the chosen one whenever nothing else is.
    std::wstring Markup(const MappingOption& undecided, bool alwaysShowUndecided) const;

private:
    struct Entry {
        MappingOption option;
        bool chosen;
    };

    std::wstring m_id;
    std::wstring m_class;
    std::vector<Entry> m_entries;
};
