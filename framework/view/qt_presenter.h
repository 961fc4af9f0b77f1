#pragma once

#include "framework/presenter.h"

namespace fw::view {

// Alerts as modal message boxes with an OK button; the beep through Qt.
class QtPresenter : public Presenter {
public:
    static QtPresenter &Instance();
    void Alert(const String &text) override;
    void Beep() override;
    void FocusMoved(const String &controlName) override;
};

} // namespace fw::view
