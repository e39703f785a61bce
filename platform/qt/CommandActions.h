#pragma once

#include <map>

#include <QObject>

class QAction;
class QWidget;

// One QAction per command id, shared by the menu, the toolbar and the accelerator keys of a
// window, and one signal for all of them: the window routes commands by id as its command
// table says. The actions belong to the window, so their keys work while it is active even
// when no menu shows them.
class CommandActions : public QObject {
    Q_OBJECT

public:
    explicit CommandActions(QWidget& window);

    QAction* Action(int command); // made on first use
    QAction* Find(int command) const;

signals:
    void Command(int command);

private:
    QWidget& window_;
    std::map<int, QAction*> actions_;
};

// The command id of an action made here, 0 for any other.
int CommandOf(const QAction* action);

// Sends `command` to the window that owns `owner`'s commands, as a menu choice there would
// arrive: once the events already waiting have been handled, so a dialog can end first. Nothing
// happens when the window has no command table.
void PostCommand(QWidget& owner, int command);
