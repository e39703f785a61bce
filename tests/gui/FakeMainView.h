#pragma once

#include "app/MainView.h"

#include <functional>

#include <QWidget>

// Stands in for the weather view in tests of the frame: counts what the frame asks of it, and
// runs a test's last words when the frame deletes it (where the real view waits for its
// monitor thread).
class FakeMainView : public QWidget {
public:
    explicit FakeMainView(QWidget* parent) : QWidget(parent) {}
    ~FakeMainView() override {
        if (onDelete)
            onDelete();
    }

    void OnInitialUpdate() { ++initialUpdates; }
    void ToggleBells() { ++bellToggles; }

    int initialUpdates = 0;
    int bellToggles = 0;
    std::function<void()> onDelete;
};

inline FakeMainView& FakeViewOf(QWidget* view) {
    return *static_cast<FakeMainView*>(view);
}
