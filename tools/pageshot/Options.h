#pragma once
// pageshot's command line:
//   pageshot PAGE OUT.png [--size WxH] [--module EXE_OR_DLL] [--do "ACTION"]...
#include <string>
#include <vector>

namespace pageshot {

struct Options {
    std::wstring page;  // an HTML file, or with --module the name of a page resource
    std::wstring output;  // the PNG to write
    std::wstring module;  // empty: the page is a file
    int width = 900, height = 700;
    std::vector<std::wstring> actions;
};

// Throws std::runtime_error with the usage for a command line it cannot read.
Options ParseOptions(const std::vector<std::wstring>& arguments);

}  // namespace pageshot
