#include "ui/dialogs/details/MarkupText.h"

namespace {

struct Entity {
    const wchar_t* text;
    wchar_t character;
};

const Entity kEntities[] = {
    { L"&amp;", L'&' }, { L"&lt;", L'<' }, { L"&gt;", L'>' }, { L"&quot;", L'"' }, { L"&#39;", L'\'' }
};

}  // namespace

std::wstring TextOfEscapedMarkup(const std::wstring& markup)
{
    std::wstring text;
    text.reserve(markup.size());
    for (size_t i = 0; i < markup.size();) {
        bool decoded = false;
        for (const Entity& entity : kEntities) {
            const std::wstring name(entity.text);
            if (markup.compare(i, name.size(), name) == 0) {
                text += entity.character;
                i += name.size();
                decoded = true;
                break;
            }
        }
        if (!decoded)
            text += markup[i++];
    }
    return text;
}
