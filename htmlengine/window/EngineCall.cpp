#include "htmlengine/window/EngineCall.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/window/EngineWindow.h"

#include <vector>

namespace htmlengine {

namespace {

int g_depth = 0;

struct Retired {
    std::vector<std::unique_ptr<EngineWindow>> windows;
    std::vector<std::unique_ptr<Document>> documents;
};

Retired& RetiredObjects()
{
    static Retired retired;
    return retired;
}

}  // namespace

EngineCall::EngineCall()
{
    ++g_depth;
}

EngineCall::~EngineCall()
{
    if (--g_depth > 0)
        return;
    Retired taken;
    std::swap(taken, RetiredObjects());  // their destructors may call in again
}

void Retire(std::unique_ptr<Document> document)
{
    if (g_depth > 0)
        RetiredObjects().documents.push_back(std::move(document));
}

void Retire(std::unique_ptr<EngineWindow> window)
{
    if (g_depth > 0)
        RetiredObjects().windows.push_back(std::move(window));
}

}  // namespace htmlengine
