#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <functional>
#include <string>
#include <string_view>

// Reads the program's resource scripts: a subset of the classic resource-script language,
// UTF-8 throughout.
//
//   #include "ResourceIds.h"             the names of ids (see ResourceSymbols)
//   101 DIALOGEX 0, 0, 320, 200          also DIALOG; then STYLE, EXSTYLE, CAPTION, FONT
//   BEGIN ... END                        or { ... }; LTEXT, RTEXT, CTEXT, GROUPBOX, PUSHBUTTON,
//                                        DEFPUSHBUTTON, AUTOCHECKBOX, CHECKBOX, EDITTEXT,
//                                        COMBOBOX, LISTBOX, ICON and CONTROL with a class name
//   101 DLGINIT BEGIN IDC_X, "item" END  the initial items of the dialog's combo and list boxes,
//                                        one line per item (our readable form of that resource)
//   128 MENU                             POPUP, MENUITEM text, id [, CHECKED | GRAYED],
//                                        MENUITEM SEPARATOR
//   128 ACCELERATORS                     "N", ID, VIRTKEY, CONTROL; "^C", ID; VK_F1, ID, VIRTKEY
//   128 TOOLBAR 19, 18                   BUTTON id, SEPARATOR
//   128 BITMAP "file.png", 128 ICON "file.png"
//   STRINGTABLE BEGIN id, "text" END
//
// Numbers may be written as sums and unions of numbers and names; a style starts from the
// statement's usual style, "| X" adds bits and "| NOT X" takes them away (so a control that is
// created hidden says NOT WS_VISIBLE).

// Gives the text of an included file by the name the script wrote; false when there is none.
using IncludeLoader = std::function<bool(const std::string& name, std::string& text)>;

// Fills script from text. False, with the line and the reason in error, for anything the
// language above does not allow: unknown statements and names, missing commas, bad numbers,
// a control id used twice in one dialog, a resource id used twice for one kind of resource,
// initial items for a control the dialog does not have.
bool ParseResourceScript(std::string_view text, const IncludeLoader& include,
                         ResourceScript& script, ResourceError& error);
