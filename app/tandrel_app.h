#pragma once

#include "framework/application.h"
#include "framework/object.h"
#include "framework/string.h"

// The program's application class. Its one object is made at start-up and
// registered as the framework's application object; it implements none of
// the application events, so the framework's defaults apply.
class Tandrel : public fw::Application {
public:
    static const fw::ClassRecord &ClassRecordOf();

    void Constructor() override;
    bool IsEventImplemented(const fw::String &eventName) override;
};
