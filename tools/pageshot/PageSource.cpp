#include "tools/pageshot/PageSource.h"

#include "htmlengine/window/ResourceLoader.h"
#include "htmlengine/document/dom/AsciiCase.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pageshot {

using htmlengine::Narrow;

namespace {

bool ReadFile(const std::wstring& path, std::vector<unsigned char>& data)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
        return false;
    data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

PageSource::PageSource(const std::wstring& page, const std::wstring& module) : page_(page)
{
    if (!module.empty()) {
        module_ = LoadLibraryExW(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (!module_)
            throw std::runtime_error("cannot open the module " + Narrow(module));
        return;
    }
    size_t slash = page.find_last_of(L"/\\");
    folder_ = slash == std::wstring::npos ? std::wstring() : page.substr(0, slash + 1);
}

PageSource::~PageSource()
{
    if (module_)
        FreeLibrary(module_);
}

std::vector<unsigned char> PageSource::Page() const
{
    std::vector<unsigned char> data;
    bool found = module_ ? htmlengine::LoadResourceUrl(page_, data, module_) : ReadFile(page_, data);
    if (!found || data.empty())
        throw std::runtime_error("no page " + Narrow(page_));
    return data;
}

bool PageSource::Load(const std::wstring& url, std::vector<unsigned char>& data) const
{
    if (module_)
        return htmlengine::LoadResourceUrl(url, data, module_);
    std::wstring name = url.compare(0, 4, L"res:") == 0 ? url.substr(4) : url;
    if (name.find(L':') != std::wstring::npos)
        return false;  // stock:, theme: and the like are the engine's
    return ReadFile(folder_ + name, data);
}

}  // namespace pageshot
