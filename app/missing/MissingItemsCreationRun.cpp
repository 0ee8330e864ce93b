#include "app/missing/MissingItemsCreationRun.h"

#include <boost/bind/bind.hpp>

#include "app/missing/MissingItemsController.h"
#include "core/Boundary.h"
#include "core/ConnectorLog.h"
#include "core/DetachedThread.h"
#include "core/PostToThread.h"

namespace Quorvane {

MissingItemsCreationRun::MissingItemsCreationRun(const boost::shared_ptr<MainModel>& model, const Items& items,
                                                 ICreationListener* listener)
    : m_model(model),
      m_items(items),
      m_starterThreadId(GetCurrentThreadId()),
      m_listener(listener),
      m_current(0),
      m_stop(0)
{
}

bool MissingItemsCreationRun::Start()
{
    return StartDetachedThread(L"missing items creation",
                               boost::bind(&MissingItemsCreationRun::Run, shared_from_this()));
}

// The window hears of the end whatever happened, or its dialog would wait for ever; an item
// whose creation threw is reported as a request that failed.
void MissingItemsCreationRun::Run()
{
    if (!RunAtBoundary(L"missing items creation", boost::bind(&MissingItemsCreationRun::CreateItems, this)) &&
        m_current < m_items.size())
        Report(&MissingItemsCreationRun::DeliverDone, m_current, 1);
    Report(&MissingItemsCreationRun::DeliverEnded, 0, 0);
}

void MissingItemsCreationRun::CreateItems()
{
    MissingItemsController controller(m_model);
    // The first item counts as under way from the start: a stop asked for at once ends after it.
    for (size_t i = 0; i < m_items.size(); m_current = ++i) {
        Report(&MissingItemsCreationRun::DeliverStarted, i, 0);
        const int code = controller.CreateMissingItems(m_items[i]);
        Report(&MissingItemsCreationRun::DeliverDone, i, code);
        if (code != 0 || StopRequested())
            break;
    }
}

void MissingItemsCreationRun::Report(void (MissingItemsCreationRun::*deliver)(size_t, int), size_t index, int code)
{
    if (!PostToThread(m_starterThreadId, boost::bind(deliver, shared_from_this(), index, code)))
        Logging::AppendToConnectorLog(L"The creation of missing items could not report to the window");
}

void MissingItemsCreationRun::DeliverStarted(size_t index, int)
{
    if (m_listener)
        m_listener->OnItemStarted(index);
}

void MissingItemsCreationRun::DeliverDone(size_t index, int code)
{
    if (m_listener)
        m_listener->OnItemDone(index, code);
}

void MissingItemsCreationRun::DeliverEnded(size_t, int)
{
    if (m_listener)
        m_listener->OnRunEnded();
}

}  // namespace Quorvane
