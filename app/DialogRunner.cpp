#include "app/DialogRunner.h"

#include "core/Config.h"

namespace {

class NoDialogs : public IDialogRunner {
public:
    boost::shared_ptr<Quorvane::Config> RunSettings(HWND, const boost::shared_ptr<MainModel>&, SettingsTab) override
    {
        return boost::shared_ptr<Quorvane::Config>();
    }
    bool RunPreview(HWND, const boost::shared_ptr<MainModel>&, const std::wstring&, bool) override { return false; }
    bool RunMissingData(HWND, const boost::shared_ptr<MainModel>&) override { return false; }
};

NoDialogs g_noDialogs;
IDialogRunner* g_runner = &g_noDialogs;

}  // namespace

void SetDialogRunner(IDialogRunner* runner)
{
    g_runner = runner ? runner : &g_noDialogs;
}

IDialogRunner& GetDialogRunner()
{
    return *g_runner;
}
