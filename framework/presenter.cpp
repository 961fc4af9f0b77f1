#include "framework/presenter.h"

#include <iostream>

namespace fw {

namespace {

// Without a display: alerts go to standard error, the sound nowhere.
class ConsolePresenter : public Presenter {
public:
    void Alert(const String &text) override { std::cerr << text << '\n'; }
    void Beep() override {}
    void FocusMoved(const String &) override {}
};

Presenter *&Installed() {
    static ConsolePresenter console;
    static Presenter *current = &console;
    return current;
}

} // namespace

Presenter &CurrentPresenter() { return *Installed(); }

ScopedPresenter::ScopedPresenter(Presenter &presenter) : previous_(Installed()) { Installed() = &presenter; }
ScopedPresenter::~ScopedPresenter() { Installed() = previous_; }

std::vector<std::string> RecordingPresenter::Alerts() const {
    std::vector<std::string> alerts;
    for (const Event &e : events)
        if (e.kind == Kind::Alert) alerts.push_back(e.text);
    return alerts;
}

int RecordingPresenter::Beeps() const {
    int beeps = 0;
    for (const Event &e : events) beeps += e.kind == Kind::Beep;
    return beeps;
}

void MsgBox(const String &text) { CurrentPresenter().Alert(text); }
void Beep() { CurrentPresenter().Beep(); }

} // namespace fw
