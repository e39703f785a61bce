#include "platform/qt/MenuBuilder.h"

#include "platform/qt/CommandActions.h"
#include "platform/qt/WindowStyles.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void AddItems(const std::vector<MenuItem>& items, QWidget& menu, CommandActions& actions) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            auto* separator = new QAction(&menu);
            separator->setSeparator(true);
            menu.addAction(separator);
        } else if (item.popup) {
            auto* popup = new QMenu(Text(item.text), &menu);
            popup->setEnabled(!item.grayed);
            AddItems(item.children, *popup, actions);
            menu.addAction(popup->menuAction());
        } else {
            QAction* action = actions.Action(item.command);
            action->setText(Text(item.text));
            action->setEnabled(!item.grayed);
            action->setCheckable(action->isCheckable() || item.checked);
            action->setChecked(item.checked);
            menu.addAction(action);
        }
    }
}

void RemoveFrom(QWidget& menu, int command) {
    for (QAction* action : menu.actions()) {
        if (QMenu* popup = action->menu()) {
            RemoveFrom(*popup, command);
        } else if (CommandOf(action) == command) {
            menu.removeAction(action);
        }
    }
}

// Virtual keys that are not letters or digits, by their codes.
const std::pair<int, Qt::Key> kVirtualKeys[] = {
    {VK_BACK, Qt::Key_Backspace}, {VK_TAB, Qt::Key_Tab},       {VK_RETURN, Qt::Key_Return},
    {VK_ESCAPE, Qt::Key_Escape},  {VK_SPACE, Qt::Key_Space},   {VK_PRIOR, Qt::Key_PageUp},
    {VK_NEXT, Qt::Key_PageDown},  {VK_END, Qt::Key_End},       {VK_HOME, Qt::Key_Home},
    {VK_LEFT, Qt::Key_Left},      {VK_UP, Qt::Key_Up},         {VK_RIGHT, Qt::Key_Right},
    {VK_DOWN, Qt::Key_Down},      {VK_INSERT, Qt::Key_Insert}, {VK_DELETE, Qt::Key_Delete},
};

Qt::Key VirtualKey(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return static_cast<Qt::Key>(code); // Qt names these keys by the same codes
    }
    if (code >= VK_F1 && code <= VK_F12) {
        return static_cast<Qt::Key>(Qt::Key_F1 + (code - VK_F1));
    }
    for (const auto& [vk, key] : kVirtualKeys) {
        if (vk == code) {
            return key;
        }
    }
    return Qt::Key_unknown;
}

} // namespace

void BuildMenuBar(const MenuTemplate& menu, QMenuBar& bar, CommandActions& actions) {
    AddItems(menu.items, bar, actions);
}

void RemoveMenuCommand(QMenuBar& bar, int command) {
    RemoveFrom(bar, command);
}

QKeyCombination AcceleratorKeys(const Accelerator& entry) {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key = Qt::Key_unknown;
    if (entry.virtKey) {
        key = VirtualKey(entry.key);
        if (entry.shift) {
            modifiers |= Qt::ShiftModifier;
        }
    } else if (entry.key >= 'a' && entry.key <= 'z') {
        key = static_cast<Qt::Key>(entry.key - 'a' + 'A');
    } else if (entry.key >= 'A' && entry.key <= 'Z') {
        key = static_cast<Qt::Key>(entry.key); // a capital is typed with Shift, unless with Ctrl
        if (!entry.control) {
            modifiers |= Qt::ShiftModifier;
        }
    } else if (entry.key > ' ' && entry.key < 0x7F) {
        key = static_cast<Qt::Key>(entry.key);
    }
    if (key == Qt::Key_unknown) {
        return QKeyCombination(Qt::Key_unknown);
    }
    if (entry.control) {
        modifiers |= Qt::ControlModifier;
    }
    if (entry.alt) {
        modifiers |= Qt::AltModifier;
    }
    return QKeyCombination(modifiers, key);
}

void ApplyAccelerators(const AcceleratorTable& table, CommandActions& actions) {
    std::map<int, QList<QKeySequence>> keys;
    for (const Accelerator& entry : table.entries) {
        const QKeyCombination combination = AcceleratorKeys(entry);
        if (combination.key() != Qt::Key_unknown) {
            keys[entry.command] << QKeySequence(combination);
        }
    }
    for (const auto& [command, sequences] : keys) {
        actions.Action(command)->setShortcuts(sequences);
    }
}

void ApplyCommandPrompts(const std::map<int, std::string>& strings, CommandActions& actions) {
    for (const auto& [command, prompt] : strings) {
        QAction* action = actions.Find(command);
        if (!action) {
            continue;
        }
        const QString text = Text(prompt);
        const qsizetype lineBreak = text.indexOf(u'\n');
        action->setStatusTip(text.left(lineBreak));
        if (lineBreak >= 0) {
            action->setToolTip(text.mid(lineBreak + 1));
        }
    }
}

void BuildToolBar(const ToolBarTemplate& toolBar, const QPixmap& strip, QToolBar& bar,
                  CommandActions& actions) {
    const QSize size(toolBar.buttonWidth, toolBar.buttonHeight);
    bar.setIconSize(size);
    int picture = 0;
    for (const int command : toolBar.commands) {
        if (command == 0) {
            bar.addSeparator();
            continue;
        }
        QAction* action = actions.Action(command);
        action->setIcon(QIcon(strip.copy(QRect(QPoint(picture * size.width(), 0), size))));
        bar.addAction(action);
        ++picture;
    }
}
