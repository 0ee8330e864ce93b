#pragma once
// Starts import runs on a thread of their own, one at a time. The flag is set before the
// thread starts, so a second start (a double click, a second script call) is refused even
// before the view has heard of the first.
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>

namespace Quorvane {

class ImportRun;

class ImportLauncher : private boost::noncopyable {
public:
    ImportLauncher();

    // False, and nothing started, when a run is going or its thread could not be started.
    bool Start(const boost::shared_ptr<ImportRun>& run);
    // A load asked for while this is true waits until the run has ended.
    bool IsRunning() const;
    // True when no run is going within the time; lets calls queued to this thread run meanwhile.
    bool WaitUntilIdle(unsigned long milliseconds) const;

    struct State;

private:
    boost::shared_ptr<State> m_state;
};

}  // namespace Quorvane
