#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/string.h"

namespace fw {

// Everything the framework shows or sounds outside a window's own drawing:
// modal alerts, the alert sound, and the keyboard focus moving. The program
// installs a Qt presenter; tests install a recorder.
class Presenter {
public:
    virtual ~Presenter() = default;
    virtual void Alert(const String &text) = 0; // returns once dismissed
    virtual void Beep() = 0;
    virtual void FocusMoved(const String &controlName) = 0;
};

Presenter &CurrentPresenter();

// Installs a presenter for the life of the guard and puts the previous one back.
class ScopedPresenter {
public:
    explicit ScopedPresenter(Presenter &presenter);
    ~ScopedPresenter();
    ScopedPresenter(const ScopedPresenter &) = delete;
    ScopedPresenter &operator=(const ScopedPresenter &) = delete;

private:
    Presenter *previous_;
};

// Records every alert, beep and focus change in order, answering at once.
class RecordingPresenter : public Presenter {
public:
    enum class Kind { Alert, Beep, Focus };
    struct Event {
        Kind kind;
        std::string text; // the alert text or the control name
        friend bool operator==(const Event &, const Event &) = default;
    };

    void Alert(const String &text) override { events.push_back({Kind::Alert, text.str()}); }
    void Beep() override { events.push_back({Kind::Beep, {}}); }
    void FocusMoved(const String &name) override { events.push_back({Kind::Focus, name.str()}); }

    std::vector<std::string> Alerts() const;
    int Beeps() const;
    std::vector<Event> events;
};

void MsgBox(const String &text);
void Beep();

} // namespace fw
