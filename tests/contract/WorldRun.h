#pragma once
// A world played through the program: its QuickBooks company in the simulator, its server data
// loaded and previewed by the program's own load, and imports run by the program's own import.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "Model.h"
#include "World.h"

class MainModel;
class RecordingView;

// What one import showed and wrote.
struct ImportOutcome {
    std::vector<std::wstring> log;
    std::vector<std::wstring> viewCalls;
};

class WorldRun {
public:
    explicit WorldRun(const World& world);

    // The company in the simulator as the program's last import left it (returned as it was
    // then), then changed in QuickBooks as the world says.
    ModelCompany SetUpQuickBooks();
    // A load of the world as it is now: both sides, the mappings and the preview; null when the
    // mapping checks stop it.
    boost::shared_ptr<MainModel> Load();
    // Imports the selected users of the load; unless undisturbed, QuickBooks is changed as the
    // world says once the import's checks are done, and warns as the world says.
    ImportOutcome Import(const boost::shared_ptr<MainModel>& model, bool undisturbed = false);

    const World& GetWorld() const { return m_world; }

private:
    enum Moment { LastImport, Now };

    // The world's settings saved as the company's, then loaded by the program.
    boost::shared_ptr<MainModel> LoadAt(Moment moment);
    boost::shared_ptr<MainModel> RunLoad(bool now);
    ImportOutcome ImportAt(const boost::shared_ptr<MainModel>& model, Moment moment);
    ImportOutcome RunImport(const boost::shared_ptr<MainModel>& model, Moment moment, bool checkAbsent, bool& searched);
    // The world's edits of one kind, each on the entry it names as QuickBooks holds it now.
    void EditQuickBooks(WorldMoment moment);
    // Customers and billing types' service items, as the world's renaming in QuickBooks spells them.
    void RenameInQuickBooks();
    void RenameCustomerAfterPreview();
    void AddForeignEntries();
    std::vector<std::wstring> EditOnFirstSearch(bool& searched);

    World m_world;
    int m_copies;  // entries duplicated in QuickBooks so far, each with a TxnID of its own
};

// The message of the warning QuickBooks answers a write with, when the world has one.
extern const wchar_t kQuickBooksWarning[];

// The company's time entries in the simulator, by TxnID, each as its JSON text.
std::vector<std::pair<std::wstring, std::wstring>> QuickBooksEntries();

// The company's time entries in the simulator as the model names them, with their TxnIDs.
ModelCompany QuickBooksCompany(const World& world, std::vector<std::wstring>* txnIds = NULL);
