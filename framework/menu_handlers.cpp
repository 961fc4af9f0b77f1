#include "framework/menu_handlers.h"

#include "framework/exceptions.h"

namespace fw {

void MenuHandlers::Add(const String &itemName, Ref<Delegate> handler) {
    if (!handler) RaiseNew<NilObjectException>("Nil menu handler for \"" + itemName.str() + "\"");
    entries_.push_back({itemName, std::move(handler)});
}

bool MenuHandlers::Run(std::string_view itemName) const {
    for (const Entry &e : entries_) {
        if (e.itemName == itemName) {
            // Held: the handler may close the window that keeps this table.
            const Ref<Delegate> handler = e.handler;
            return handler->Invoke({});
        }
    }
    return false;
}

} // namespace fw
