#pragma once
// One page of the settings dialog: it fills its controls from the dialog's working copy of the
// settings, reads them back, rebuilds what depends on other tabs, and says whether its settings
// are complete. All calls come on the UI thread; `root` is the root of the settings page.
#include <string>

#include <boost/shared_ptr.hpp>

#include "htmlengine/api/EngineDocument.h"

class MainModel;

namespace Quorvane {
class Config;
}

namespace htmlayout {
namespace dom {
class element;
}
}  // namespace htmlayout

// What GetValidType answers; the dialog shows the first two as the tab's icon.
enum SettingsTabValidity { TabWithoutIcon = 0, TabComplete = 1, TabIncomplete = 2 };

class ISettingsTab {
public:
    typedef boost::shared_ptr<MainModel> ModelPtr;
    typedef boost::shared_ptr<Quorvane::Config> ConfigPtr;
    typedef htmlayout::dom::element Element;

    virtual ~ISettingsTab() {}

    virtual void Load(ModelPtr model, ConfigPtr config, const Element& root) = 0;
    virtual void Save(ModelPtr model, ConfigPtr config, const Element& root) = 0;
    virtual void Refresh(ModelPtr model, ConfigPtr config, const Element& root) = 0;
    virtual int GetValidType(ModelPtr model, ConfigPtr config, const Element& root) = 0;
    // The panel's name in the page, and with "_Img" the id of the tab's icon.
    virtual std::string GetId() const = 0;
    // True when the tab handled the page's script call.
    virtual bool OnScriptCall(const Element& root, HELEMENT caller, XCALL_PARAMS& params) = 0;
    virtual void ShowPanel(const Element& root, int panel) = 0;
    // An element of the tab took the focus from the user.
    virtual void OnFocus(ModelPtr model, ConfigPtr config, const Element& root, const Element& target) = 0;
};

// For tabs that need no refresh, icon, script calls or sub-panels.
class PlainSettingsTab : public ISettingsTab {
public:
    void Refresh(ModelPtr, ConfigPtr, const Element&) override {}
    int GetValidType(ModelPtr, ConfigPtr, const Element&) override { return TabWithoutIcon; }
    bool OnScriptCall(const Element&, HELEMENT, XCALL_PARAMS&) override { return false; }
    void ShowPanel(const Element&, int) override {}
    void OnFocus(ModelPtr, ConfigPtr, const Element&, const Element&) override {}
};
