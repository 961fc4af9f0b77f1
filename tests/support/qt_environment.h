#pragma once

#include <functional>

#include <gtest/gtest.h>

class QApplication;

// One Qt application for a whole GUI test program, as the program has one.
// At the end every window is discarded and the application deleted, so the
// sanitizers see a clean exit. `setUp` runs once the application exists.
class QtEnvironment : public testing::Environment {
public:
    explicit QtEnvironment(std::function<void()> setUp = {}) : setUp_(std::move(setUp)) {}
    void SetUp() override;
    void TearDown() override;

private:
    std::function<void()> setUp_;
    QApplication *app_ = nullptr;
};

// Runs Qt's event loop for at least that long, or once when it is 0.
void ProcessEvents(int milliseconds = 0);

// Discards every window and lets Qt delete what was queued for deletion.
void DiscardAllWindowsNow();
