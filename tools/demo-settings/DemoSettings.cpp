// Seeds the demo company's settings file (SeedDemoSettings in DemoConfig.h). Run it in the
// demo's prefix:
//     demo_settings.exe COMPANY URL USER PASSWORD
#include <windows.h>

#include <cstdio>
#include <exception>

#include "core/CompanyConfig.h"
#include "tools/demo-settings/DemoConfig.h"

using namespace Quorvane;

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: demo_settings.exe COMPANY URL USER PASSWORD\n");
        return 2;
    }
    try {
        if (!demo::SeedDemoSettings(argv[1], argv[2], argv[3], argv[4])) {
            std::fprintf(stderr, "demo_settings: could not write %ls\n", GetConfigFilePath(argv[1]).c_str());
            return 1;
        }
    } catch (const std::exception& failure) {
        // Settings that exist but cannot be read are the bookkeeper's: left as they are.
        std::fprintf(stderr, "demo_settings: %s (%ls)\n", failure.what(), GetConfigFilePath(argv[1]).c_str());
        return 1;
    }
    std::printf("%ls\n", GetConfigFilePath(argv[1]).c_str());
    return 0;
}
