#pragma once
// Creating missing items in QuickBooks, one after another, on a thread of its own, so that the
// window which asked keeps answering while QuickBooks works. The model's lock is taken only for
// the model's own changes, never across a QuickBooks request. The run tells the thread that
// started it (which must wait alertably, as the UI thread does) each item's start and result
// and its end. It stops at the first item that fails, or after the item under way once asked to.
// The run is shared by its starter and its thread, so whichever goes first, nothing is left
// pointing at it; a listener that has gone is told nothing.
#include <windows.h>

#include <vector>

#include <boost/enable_shared_from_this.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>

#include "app/missing/MissingItem.h"

class MainModel;

namespace Quorvane {

class ICreationListener {
public:
    virtual ~ICreationListener() {}
    virtual void OnItemStarted(size_t index) = 0;
    // code as MissingItemsController::CreateMissingItems gives it: 0 when created.
    virtual void OnItemDone(size_t index, int code) = 0;
    virtual void OnRunEnded() = 0;
};

class MissingItemsCreationRun : public boost::enable_shared_from_this<MissingItemsCreationRun>,
                                private boost::noncopyable {
public:
    typedef std::vector<boost::shared_ptr<MissingItem>> Items;

    // The listener is told on the thread that makes the run.
    MissingItemsCreationRun(const boost::shared_ptr<MainModel>& model, const Items& items, ICreationListener* listener);

    // False when no thread could be started; the listener is then never told.
    bool Start();
    // No item after the one under way (the first, right after the start) is tried; the end is
    // still reported.
    void RequestStop() { InterlockedExchange(&m_stop, 1); }
    // The listener is going: from now on nothing is reported. Starter's thread only.
    void Forget() { m_listener = 0; }

private:
    void Run();
    void CreateItems();
    bool StopRequested() { return InterlockedCompareExchange(&m_stop, 0, 0) != 0; }
    void Report(void (MissingItemsCreationRun::*deliver)(size_t, int), size_t index, int code);
    void DeliverStarted(size_t index, int);
    void DeliverDone(size_t index, int code);
    void DeliverEnded(size_t, int);

    boost::shared_ptr<MainModel> m_model;
    Items m_items;
    DWORD m_starterThreadId;
    ICreationListener* m_listener;
    size_t m_current;  // the item under way; only the run's thread uses it
    volatile LONG m_stop;
};

}  // namespace Quorvane
