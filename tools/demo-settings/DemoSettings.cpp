// Writes the demo company's settings file (DemoConfig.h). Run it in the demo's prefix:
//     demo_settings.exe COMPANY URL USER PASSWORD
#include <windows.h>

#include <cstdio>

#include "core/CompanyConfig.h"
#include "tools/demo-settings/DemoConfig.h"

using namespace Quorvane;

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: demo_settings.exe COMPANY URL USER PASSWORD\n");
        return 2;
    }
    if (!SaveConfig(argv[1], demo::DemoConfig(argv[2], argv[3], argv[4]))) {
        std::fprintf(stderr, "demo_settings: could not write %ls\n", GetConfigFilePath(argv[1]).c_str());
        return 1;
    }
    std::printf("%ls\n", GetConfigFilePath(argv[1]).c_str());
    return 0;
}
