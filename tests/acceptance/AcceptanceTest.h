#pragma once
// Each case drives the real Pellworth.exe, started afresh: a new copy of the demo company,
// no settings unless the case writes them, the demo server back at its start. A watchdog
// ends the program when a case runs too long, so the waits fail instead of hanging.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <boost/shared_ptr.hpp>

#include "core/Config.h"
#include "tests/acceptance/Watchdog.h"
#include "tests/server/DemoServer.h"
#include "tools/scenario/Bookkeeper.h"
#include "tools/scenario/Stage.h"

class AcceptanceTest : public ::testing::Test {
protected:
    AcceptanceTest();
    void SetUp() override;
    void TearDown() override;

    scenario::Login DemoLogin() const;
    // The settings a first login leaves (the password remembered), or every rule the demo needs.
    void WriteConnectionSettings();
    void WriteDemoSettings();
    boost::shared_ptr<Quorvane::Config> SavedSettings() const;
    // Starts the program with the stage's environment and waits for its main window.
    scenario::Bookkeeper& Start(driver::EnvironmentAdditions extra = driver::EnvironmentAdditions());
    // The simulator's requests of one kind since the start ("TimeTrackingAdd").
    std::vector<std::wstring> Requests(const std::wstring& kind) const;

    void KeepPictures();

    DemoServer m_server;
    std::unique_ptr<scenario::Stage> m_stage;
    std::unique_ptr<driver::Program> m_program;
    std::unique_ptr<scenario::Bookkeeper> m_bookkeeper;
    std::unique_ptr<Watchdog> m_watchdog;
};
