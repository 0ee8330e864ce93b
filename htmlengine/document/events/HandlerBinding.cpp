#include "htmlengine/document/events/HandlerBinding.h"

#include <windows.h>

#include <exception>
#include <string>

namespace htmlengine {

bool CallHandler(const HandlerBinding& handler, void* element, unsigned group, void* params)
{
    try {
        return handler.proc(handler.tag, element, group, params) != 0;
    } catch (const std::exception& error) {
        OutputDebugStringA((std::string("htmlengine: event handler threw: ") + error.what() + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("htmlengine: event handler threw an unknown exception\n");
    }
    return false;
}

}  // namespace htmlengine
