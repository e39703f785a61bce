#pragma once

#include <map>
#include <string>
#include <vector>

// Plain pictures of the resources a resource script describes: what a window is built from,
// before any widget exists. Positions and sizes of dialogs are in dialog units.

// One control of a dialog template, in template order (which is also the tab order).
struct DialogControl {
    std::string className; // "Static", "Button", "Edit", "ComboBox", "ListBox",
                           // "SysDateTimePick32", "SysListView32" or a class of the program
    std::string text;      // the caption
    int pictureId = 0; // the resource a bitmap or icon static shows (its text slot held a number)
    int id = 0;
    std::string idName; // the symbol the template wrote for the id, empty for a plain number
    unsigned style = 0;
    unsigned exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::vector<std::string> items; // initial items of a combo or list box
};

struct DialogTemplate {
    int id = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    unsigned style = 0;
    unsigned exStyle = 0;
    std::string caption;
    int fontPointSize = 8;
    std::string fontFace = "MS Shell Dlg";
    int fontWeight = 0; // 0 or 100..900
    bool fontItalic = false;
    std::vector<DialogControl> controls;
};

struct MenuItem {
    std::string text; // "&" marks the mnemonic; a tab separates an accelerator's text
    int command = 0;  // the command id of a plain item
    bool popup = false;
    bool separator = false;
    bool checked = false;
    bool grayed = false;
    std::vector<MenuItem> children; // the items of a popup
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItem> items; // the menu bar's popups
};

struct Accelerator {
    int key = 0;          // a virtual-key code, or a character code when not virtKey
    bool virtKey = false; // else the key is the character typed (case matters)
    bool control = false;
    bool shift = false;
    bool alt = false;
    int command = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;
};

// A strip of equally sized button pictures, one per button; separators take no picture.
struct ToolBarTemplate {
    int id = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    std::vector<int> commands; // 0 stands for a separator
};

enum class PictureKind { kBitmap, kIcon };

struct PictureEntry {
    int id = 0;
    PictureKind kind = PictureKind::kBitmap;
    std::string file; // relative to the script's folder
};

// Everything one script holds. A script normally holds one resource, or the few that share
// one id (a menu and its accelerator table).
struct ResourceScript {
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<AcceleratorTable> acceleratorTables;
    std::vector<ToolBarTemplate> toolBars;
    std::vector<PictureEntry> pictures;
    std::map<int, std::string> strings;
};

// Where and why a script could not be read.
struct ResourceError {
    std::string file;
    int line = 0;
    std::string message;

    std::string Describe() const; // "file:line: message"
};
