#pragma once

#include "framework/delegate.h"
#include "framework/menu_handlers.h"
#include "framework/menu_item.h"
#include "framework/object.h"
#include "framework/string.h"

#include <cstdint>
#include <string_view>

namespace fw {

class Window;

// The application object. The program's application class derives from it
// and registers its one object with _RuntimeRegisterAppObject.
//
// The class table, in slot order: AddTrayItem, DoEvents, HideTooltip,
// NewDocument, OpenDocument, RefreshMenuBar, RemoveTrayItem, ShowTooltip,
// SleepCurrentThread, Window, WindowCount, YieldToNextThread,
// _AddMenuHandler, _AddPollableObject, _DependencyList, _DoSingleEvent,
// _RemovePollableObject, _x_SetVersionData.
class Application : public Object {
public:
    static const ClassRecord &ClassRecordOf();

    // --- the class table ----------------------------------------------------
    void AddTrayItem(Object *item); // PlatformException: no tray here
    // Runs the pending events once (or for up to `milliseconds`): handlers may
    // run inside this call.
    void DoEvents(int64_t milliseconds = -1);
    void HideTooltip();
    void NewDocument();                                        // PlatformException: no document types
    void OpenDocument(const String &path);                     // PlatformException: no document types
    void RefreshMenuBar();                                     // draws every window's menu bar anew
    void RemoveTrayItem(Object *item);                         // PlatformException
    void ShowTooltip(const String &tip, int64_t x, int64_t y); // at screen position x, y
    void SleepCurrentThread(int64_t milliseconds);
    Ref<fw::Window> Window(int64_t index) const; // the index-th open window, front-most first; nil outside
    int64_t WindowCount() const;
    void YieldToNextThread();
    // A menu handler of the application: runs when the item of that name is
    // chosen and the front window's handlers did not handle it.
    void _AddMenuHandler(const String &itemName, Ref<Delegate> handler);
    void _AddPollableObject(Object *object);    // PlatformException
    void _DependencyList() const;               // PlatformException
    void _DoSingleEvent();                      // runs the pending events once
    void _RemovePollableObject(Object *object); // PlatformException
    void _x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease, int64_t stage,
                           String longVersion, String shortVersion, String packageInfo);

    virtual void Constructor() {}
    // Whether the class implements the application event of that name (for
    // instance "UnhandledException"); the default asks _RuntimeIsEventHandled.
    virtual bool IsEventImplemented(const String &eventName);
    // The UnhandledException event: True when the application dealt with it.
    virtual bool Event_UnhandledException(RuntimeException *error) {
        (void)error;
        return false;
    }

    // The application's menu bar. Linux has no global menu bar: windows show
    // a menu bar only when they set one.
    // Windows without a menu bar of their own take its keys.
    void SetMenuBar(Ref<fw::MenuBar> menuBar);
    const Ref<fw::MenuBar> &MenuBar() const { return menuBar_; }

    // Version data (also property keys, readable with GetProperty).
    int64_t MajorVersion() const { return major_; }
    int64_t MinorVersion() const { return minor_; }
    int64_t BugVersion() const { return bug_; }
    int64_t NonReleaseVersion() const { return nonRelease_; }
    int64_t StageCode() const { return stage_; }
    const String &LongVersion() const { return longVersion_; }
    const String &ShortVersion() const { return shortVersion_; }
    const String &PackageInfo() const { return packageInfo_; }

    // High-resolution drawing. Qt 6 always draws at the display's full
    // resolution; the setting is recorded.
    static void _SetSupportsHiDPI(bool value);
    static bool SupportsHiDPI();

    // --- framework side
    // Runs the handler bound to `itemName`; True when it handled the command.
    bool RunMenuHandler(std::string_view itemName) const { return menuHandlers_.Run(itemName); }

private:
    Ref<fw::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
    int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
    String longVersion_, shortVersion_, packageInfo_;
};

} // namespace fw
