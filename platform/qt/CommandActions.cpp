#include "platform/qt/CommandActions.h"

#include <QAction>
#include <QWidget>

namespace {
constexpr char kCommandProperty[] = "commandId";
} // namespace

CommandActions::CommandActions(QWidget& window) : QObject(&window), window_(window) {}

QAction* CommandActions::Action(int command) {
    if (QAction* action = Find(command)) {
        return action;
    }
    auto* action = new QAction(&window_);
    action->setProperty(kCommandProperty, command);
    window_.addAction(action);
    connect(action, &QAction::triggered, this, [this, command] { emit Command(command); });
    actions_.emplace(command, action);
    return action;
}

QAction* CommandActions::Find(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

int CommandOf(const QAction* action) {
    return action ? action->property(kCommandProperty).toInt() : 0;
}

void PostCommand(QWidget& owner, int command) {
    CommandActions* commands =
        owner.findChild<CommandActions*>(QString(), Qt::FindDirectChildrenOnly);
    if (!commands)
        return;
    QMetaObject::invokeMethod(
        commands, [commands, command] { emit commands->Command(command); }, Qt::QueuedConnection);
}
