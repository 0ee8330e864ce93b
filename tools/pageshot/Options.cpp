#include "tools/pageshot/Options.h"

#include <cwchar>
#include <stdexcept>

namespace pageshot {

namespace {

const char kUsage[] = "usage: pageshot PAGE OUT.png [--size WxH] [--module EXE_OR_DLL] [--do \"ACTION\"]...\n"
                      "  PAGE      an HTML file (its style sheets and images beside it), or with --module\n"
                      "            the name of a page resource of that module, such as DEFAULT\n"
                      "  --size    the client area, 900x700 unless given\n"
                      "  --do      an action before the picture is taken, in order:\n"
                      "            click SEL | dblclick SEL | focus SEL | type SEL TEXT | choose SEL INDEX\n"
                      "            | key SEL VK | state SEL +BITS|-BITS | hover SEL\n"
                      "            (SEL: a CSS selector without spaces)";

void ReadSize(const std::wstring& text, Options& options)
{
    int width = 0, height = 0;
    wchar_t tail = 0;
    if (swscanf(text.c_str(), L"%dx%d%lc", &width, &height, &tail) != 2 || width <= 0 || height <= 0 || width > 8192 ||
        height > 8192)
        throw std::runtime_error(std::string("bad --size\n") + kUsage);
    options.width = width;
    options.height = height;
}

}  // namespace

Options ParseOptions(const std::vector<std::wstring>& arguments)
{
    Options options;
    std::vector<std::wstring> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        bool takesValue = argument == L"--size" || argument == L"--module" || argument == L"--do";
        if (takesValue && i + 1 == arguments.size())
            throw std::runtime_error("missing value after an option\n" + std::string(kUsage));
        if (argument == L"--size")
            ReadSize(arguments[++i], options);
        else if (argument == L"--module")
            options.module = arguments[++i];
        else if (argument == L"--do")
            options.actions.push_back(arguments[++i]);
        else if (argument.compare(0, 2, L"--") == 0)
            throw std::runtime_error("unknown option\n" + std::string(kUsage));
        else
            positional.push_back(argument);
    }
    if (positional.size() != 2)
        throw std::runtime_error(kUsage);
    options.page = positional[0];
    options.output = positional[1];
    return options;
}

}  // namespace pageshot
