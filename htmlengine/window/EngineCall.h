#pragma once
// The program may destroy a window or load a new page from inside a callback, while the
// engine still works on the old document further up the stack. What is retired then is
// kept until the outermost engine call returns.
#include <memory>

namespace htmlengine {

class Document;
class EngineWindow;

// Marks one engine call from the program; nested calls only count.
class EngineCall {
public:
    EngineCall();
    ~EngineCall();
    EngineCall(const EngineCall&) = delete;
    EngineCall& operator=(const EngineCall&) = delete;
};

// Freed now outside any engine call, else when the outermost one returns.
void Retire(std::unique_ptr<Document> document);
void Retire(std::unique_ptr<EngineWindow> window);

}  // namespace htmlengine
