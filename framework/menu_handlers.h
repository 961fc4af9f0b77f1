#pragma once

#include "framework/delegate.h"
#include "framework/string.h"

#include <string_view>
#include <vector>

namespace fw {

// Menu handlers bound by item name, as a window and the application keep them.
class MenuHandlers {
public:
    // Raises NilObjectException for a nil handler.
    void Add(const String &itemName, Ref<Delegate> handler);
    // Runs the first handler bound to the item; True when it handled the command.
    bool Run(std::string_view itemName) const;
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        String itemName;
        Ref<Delegate> handler;
    };
    std::vector<Entry> entries_;
};

} // namespace fw
