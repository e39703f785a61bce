#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <map>
#include <string>

#include <QKeyCombination>

class CommandActions;
class QMenuBar;
class QPixmap;
class QToolBar;

// Fills a menu bar from a menu template; every plain item is the action of its command.
void BuildMenuBar(const MenuTemplate& menu, QMenuBar& bar, CommandActions& actions);

// Takes every item of that command out of the menus, as deleting a menu item by command did;
// the action itself stays, with its keys.
void RemoveMenuCommand(QMenuBar& bar, int command);

// The Qt keys of one accelerator entry; Qt::Key_unknown for a key Qt has no name for.
QKeyCombination AcceleratorKeys(const Accelerator& entry);

// Gives each command of the table its keys (all of them, when several name one command).
void ApplyAccelerators(const AcceleratorTable& table, CommandActions& actions);

// The prompt strings of a string table: a command's string holds the status-bar text, and
// after a line break its tooltip. Commands without a string keep theirs.
void ApplyCommandPrompts(const std::map<int, std::string>& strings, CommandActions& actions);

// Fills a toolbar from its template and the strip of button pictures, one picture per button
// in order, each as wide and high as the template says.
void BuildToolBar(const ToolBarTemplate& toolBar, const QPixmap& strip, QToolBar& bar,
                  CommandActions& actions);
