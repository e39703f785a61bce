#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <map>
#include <string>

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's resources, embedded in the program: one script per resource id and kind
// (dialogs/101.rc, menus/128.rc with the menu and accelerator table of that id,
// strings/128.rc, toolbars/128.rc), the header of their symbolic ids, and the pictures with
// their table pictures/pictures.rc. A failure names the file and line in error.

bool LoadDialogTemplate(int id, DialogTemplate& dialog, ResourceError& error);
bool LoadMenuTemplate(int id, MenuTemplate& menu, ResourceError& error);
bool LoadAcceleratorTable(int id, AcceleratorTable& table, ResourceError& error);
bool LoadToolBarTemplate(int id, ToolBarTemplate& toolBar, ResourceError& error);
// The texts of one language's string table, by string id.
bool LoadStringTable(int id, std::map<int, std::string>& strings, ResourceError& error);

// A null pixmap or icon when the picture table has no such id.
QPixmap LoadBitmapResource(int id);
QIcon LoadIconResource(int id);

// Reads any embedded script by its path below the resources' root (":/talvorin/").
bool LoadResourceScript(const QString& path, ResourceScript& script, ResourceError& error);
