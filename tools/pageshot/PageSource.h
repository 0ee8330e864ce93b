#pragma once
// Where a page and its URLs come from: the files beside an HTML file, or the resources of a
// module (a program such as Pellworth.exe, loaded as data only, never run).
#include <windows.h>

#include <string>
#include <vector>

namespace pageshot {

class PageSource {
public:
    // Throws std::runtime_error when the module cannot be opened.
    PageSource(const std::wstring& page, const std::wstring& module);
    ~PageSource();
    PageSource(const PageSource&) = delete;
    PageSource& operator=(const PageSource&) = delete;

    // The page's own bytes; throws std::runtime_error when there are none.
    std::vector<unsigned char> Page() const;
    // A URL the page names (a style sheet, an include, an image); false when there is none.
    bool Load(const std::wstring& url, std::vector<unsigned char>& data) const;

private:
    std::wstring page_;
    std::wstring folder_;  // file pages: where their URLs are
    HMODULE module_ = nullptr;
};

}  // namespace pageshot
