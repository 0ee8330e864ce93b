#pragma once
// A world played through the program: its QuickBooks company in the simulator, its server data
// loaded and previewed by the program's own load, and imports run by the program's own import.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "World.h"

class MainModel;
class RecordingView;

namespace Quorvane {
namespace Connectors {
class DesktopConnector;
}
}  // namespace Quorvane

// What one import showed and wrote.
struct ImportOutcome {
    std::vector<std::wstring> log;
    std::vector<std::wstring> viewCalls;
};

class WorldRun {
public:
    WorldRun(const World& world, const boost::shared_ptr<Quorvane::Connectors::DesktopConnector>& connector);

    // The company in the simulator as the program's last import left it, then changed in
    // QuickBooks as the world says.
    void SetUpQuickBooks();
    // A load of the world as it is now: both sides, the mappings and the preview.
    boost::shared_ptr<MainModel> Load();
    // Imports the selected users of the load.
    ImportOutcome Import(const boost::shared_ptr<MainModel>& model);

    const World& GetWorld() const { return m_world; }

private:
    enum Moment { LastImport, Now };

    boost::shared_ptr<MainModel> LoadAt(Moment moment);
    void ApplyQuickBooksChanges();

    World m_world;
    boost::shared_ptr<Quorvane::Connectors::DesktopConnector> m_connector;
};

// The company's time entries in the simulator, by TxnID, each as its JSON text.
std::vector<std::pair<std::wstring, std::wstring>> QuickBooksEntries();
