#pragma once

#include <functional>

class QWidget;

// The main frame's client, the view of the current weather, and the two things the frame asks
// of it.
struct MainView {
    QWidget* widget = nullptr;
    std::function<void()> onInitialUpdate; // once, after the frame has placed it and is shown
    std::function<void()> toggleBells;     // on every tick of the link timer that polls
};

// A view of class View: a widget made with its parent, with OnInitialUpdate and ToggleBells.
template <class View>
MainView MakeMainView(QWidget* parent) {
    auto* view = new View(parent);
    return {view, [view] { view->OnInitialUpdate(); }, [view] { view->ToggleBells(); }};
}

using MainViewFactory = std::function<MainView(QWidget* parent)>;

// The program's main view.
MainView CreateMainView(QWidget* parent);
