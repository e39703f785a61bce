#include "platform/qt/ResourceScript.h"

#include "platform/qt/ScriptReader.h"
#include "platform/qt/WindowStyles.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

std::string ResourceError::Describe() const {
    return file + ":" + std::to_string(line) + ": " + message;
}

namespace {

// The control statements other than CONTROL: their class and usual style.
// The kind is the part of the style under the class's kind mask; a style that names a kind of
// its own replaces the statement's.
struct ControlStatement {
    const char* keyword;
    const char* className;
    unsigned kind;
    unsigned kindMask;
    unsigned style; // besides the kind
    bool hasText;
    bool sizeOptional; // ICON takes the size of its picture when none is written
};

const ControlStatement kControlStatements[] = {
    {"LTEXT", "Static", SS_LEFT, SS_TYPEMASK, WS_GROUP, true, false},
    {"RTEXT", "Static", SS_RIGHT, SS_TYPEMASK, WS_GROUP, true, false},
    {"CTEXT", "Static", SS_CENTER, SS_TYPEMASK, WS_GROUP, true, false},
    {"ICON", "Static", SS_ICON, SS_TYPEMASK, 0, true, true},
    {"GROUPBOX", "Button", BS_GROUPBOX, BS_TYPEMASK, 0, true, false},
    {"PUSHBUTTON", "Button", BS_PUSHBUTTON, BS_TYPEMASK, WS_TABSTOP, true, false},
    {"DEFPUSHBUTTON", "Button", BS_DEFPUSHBUTTON, BS_TYPEMASK, WS_TABSTOP, true, false},
    {"AUTOCHECKBOX", "Button", BS_AUTOCHECKBOX, BS_TYPEMASK, WS_TABSTOP, true, false},
    {"CHECKBOX", "Button", BS_CHECKBOX, BS_TYPEMASK, WS_TABSTOP, true, false},
    {"EDITTEXT", "Edit", ES_LEFT, 0, WS_BORDER | WS_TABSTOP, false, false},
    {"COMBOBOX", "ComboBox", CBS_SIMPLE, CBS_TYPEMASK, WS_TABSTOP, false, false},
    {"LISTBOX", "ListBox", LBS_NOTIFY, 0, WS_BORDER, false, false},
};

// Class names are compared ignoring case; the standard ones are kept in one spelling.
const char* const kStandardClasses[] = {
    "Static", "Button", "Edit", "ComboBox", "ListBox", "SysDateTimePick32", "SysListView32"};

std::string CanonicalClassName(const std::string& name) {
    for (const char* standard : kStandardClasses) {
        if (ScriptReader::SameWord(name, standard)) {
            return standard;
        }
    }
    return name;
}

struct InitialItem {
    int dialogId;
    int controlId;
    std::string text;
    int line;
};

class Parser : private ScriptReader {
public:
    Parser(const IncludeLoader& include, ResourceScript& script, ResourceError& error)
        : ScriptReader(error), include_(include), out_(script) {}

    bool Run(std::string_view text) {
        if (!Load(text)) {
            return false;
        }
        while (Peek().kind != TokenKind::kEnd) {
            if (!Resource()) {
                return false;
            }
        }
        return AttachInitialItems();
    }

private:
    bool Resource() {
        const Token& head = Peek();
        if (head.kind == TokenKind::kDirective) {
            return Directive();
        }
        if (IsWord(head, "STRINGTABLE")) {
            Skip();
            return StringTable();
        }
        int id = 0;
        if (!ResourceId(id)) {
            return false;
        }
        const Token& type = Take();
        if (IsWord(type, "DIALOGEX") || IsWord(type, "DIALOG")) {
            return Dialog(id, type);
        }
        if (IsWord(type, "MENU")) {
            return Menu(id, type);
        }
        if (IsWord(type, "ACCELERATORS")) {
            return Accelerators(id, type);
        }
        if (IsWord(type, "TOOLBAR")) {
            return ToolBar(id, type);
        }
        if (IsWord(type, "BITMAP") || IsWord(type, "ICON")) {
            return Picture(id, IsWord(type, "ICON") ? PictureKind::kIcon : PictureKind::kBitmap,
                           type);
        }
        if (IsWord(type, "DLGINIT")) {
            return InitialItems(id);
        }
        return Fail(type, "unknown resource type " + Shown(type));
    }

    bool Directive() {
        const Token& directive = Take();
        const std::string& line = directive.text;
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (line.rfind("include", 0) != 0 || open == std::string::npos || close <= open) {
            return Fail(directive, "only #include \"file\" is understood, not " + Shown(directive));
        }
        const std::string name = line.substr(open + 1, close - open - 1);
        std::string header;
        if (!include_ || !include_(name, header)) {
            return Fail(directive, "cannot include \"" + name + "\"");
        }
        ResourceError inner;
        if (!Symbols().ReadHeader(header, inner)) {
            return Fail(directive, "in \"" + name + "\" line " + std::to_string(inner.line) + ": " +
                                       inner.message);
        }
        return true;
    }

    template <class Resource>
    bool Unique(const std::vector<Resource>& list, int id, const Token& at) {
        const bool taken =
            std::any_of(list.begin(), list.end(), [id](const Resource& r) { return r.id == id; });
        return !taken || Fail(at, Shown(at) + " " + std::to_string(id) + " defined twice");
    }

    bool Dialog(int id, const Token& type) {
        if (!Unique(out_.dialogs, id, type)) {
            return false;
        }
        DialogTemplate dialog;
        dialog.id = id;
        dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
        if (!Int(dialog.x, "x") || !Comma("x") || !Int(dialog.y, "y") || !Comma("y") ||
            !Int(dialog.cx, "a width") || !Comma("the width") || !Int(dialog.cy, "a height")) {
            return false;
        }
        bool captioned = false;
        while (!IsWord(Peek(), "BEGIN") && !IsPunct(Peek(), '{')) {
            const Token& option = Take();
            bool ok;
            if (IsWord(option, "STYLE")) {
                dialog.style = 0; // the written style replaces the usual one
                ok = Style(dialog.style);
            } else if (IsWord(option, "EXSTYLE")) {
                ok = Style(dialog.exStyle);
            } else if (IsWord(option, "CAPTION")) {
                captioned = true;
                ok = Text(dialog.caption, "caption");
            } else if (IsWord(option, "FONT")) {
                ok = Font(dialog);
            } else {
                return Fail(option, "unknown dialog statement " + Shown(option));
            }
            if (!ok) {
                return false;
            }
        }
        if (captioned) {
            dialog.style |= WS_CAPTION;
        }
        Skip();
        std::set<int> ids;
        while (!AtEnd()) {
            DialogControl control;
            const Token& at = Peek();
            if (!Control(control)) {
                return false;
            }
            if (control.id != -1 && !ids.insert(control.id).second) {
                return Fail(at, "control id " + std::to_string(control.id) + " used twice");
            }
            dialog.controls.push_back(std::move(control));
        }
        out_.dialogs.push_back(std::move(dialog));
        return true;
    }

    bool Font(DialogTemplate& dialog) {
        if (!Int(dialog.fontPointSize, "a point size") || !Comma("the point size") ||
            !Text(dialog.fontFace, "font name")) {
            return false;
        }
        if (TakePunct(',')) { // weight, italic and character set of the extended form
            int italic = 0, charset = 0;
            if (!Int(dialog.fontWeight, "a font weight") || !Comma("the font weight") ||
                !Int(italic, "an italic flag")) {
                return false;
            }
            dialog.fontItalic = italic != 0;
            if (TakePunct(',') && !Int(charset, "a character set")) {
                return false;
            }
        }
        return true;
    }

    bool Control(DialogControl& control) {
        const Token& keyword = Take();
        if (IsWord(keyword, "CONTROL")) {
            // text, id, class, style, x, y, cx, cy [, exstyle]
            control.style = WS_CHILD | WS_VISIBLE;
            if (!ControlText(control) || !Comma("the text") || !Id(control.id, control.idName) ||
                !Comma("the id") || !ClassName(control) || !Comma("the class") ||
                !Style(control.style) || !Comma("the style") || !Rectangle(control)) {
                return false;
            }
            return !TakePunct(',') || Style(control.exStyle);
        }
        const auto* statement =
            std::find_if(std::begin(kControlStatements), std::end(kControlStatements),
                         [&](const ControlStatement& s) { return IsWord(keyword, s.keyword); });
        if (statement == std::end(kControlStatements)) {
            return Fail(keyword, "unknown control statement " + Shown(keyword));
        }
        control.className = statement->className;
        if (statement->hasText && (!ControlText(control) || !Comma("the text"))) {
            return false;
        }
        if (!Id(control.id, control.idName) || !Comma("the id")) {
            return false;
        }
        if (statement->sizeOptional) {
            // ICON text, id, x, y [, cx, cy [, style [, exstyle]]]
            if (!Int(control.x, "x") || !Comma("x") || !Int(control.y, "y")) {
                return false;
            }
            if (TakePunct(',') && (!Int(control.cx, "a width") || !Comma("the width") ||
                                   !Int(control.cy, "a height"))) {
                return false;
            }
        } else if (!Rectangle(control)) {
            return false;
        }
        StyleBits bits;
        if (TakePunct(',') && (!Style(bits) || (TakePunct(',') && !Style(control.exStyle)))) {
            return false;
        }
        const unsigned kind = bits.added & statement->kindMask ? 0 : statement->kind;
        control.style = bits.On(WS_CHILD | WS_VISIBLE | statement->style | kind);
        return true;
    }

    // A caption, or the number or name of the picture a static shows.
    bool ControlText(DialogControl& control) {
        if (Peek().kind == TokenKind::kString) {
            control.text = Take().text;
            return true;
        }
        return Int(control.pictureId, "a quoted text or a picture id");
    }

    bool ClassName(DialogControl& control) {
        const Token& token = Take();
        if (token.kind != TokenKind::kString && token.kind != TokenKind::kName) {
            return Fail(token, "expected a window class, found " + Shown(token));
        }
        control.className = CanonicalClassName(token.text);
        return true;
    }

    bool Rectangle(DialogControl& control) {
        return Int(control.x, "x") && Comma("x") && Int(control.y, "y") && Comma("y") &&
               Int(control.cx, "a width") && Comma("the width") && Int(control.cy, "a height");
    }

    bool InitialItems(int dialogId) {
        if (!Begin()) {
            return false;
        }
        while (!AtEnd()) {
            InitialItem item{dialogId, 0, {}, Peek().line};
            std::string name;
            if (!Id(item.controlId, name) || !Comma("the control id") ||
                !Text(item.text, "item text")) {
                return false;
            }
            items_.push_back(std::move(item));
        }
        return true;
    }

    bool AttachInitialItems() {
        for (InitialItem& item : items_) {
            auto dialog =
                std::find_if(out_.dialogs.begin(), out_.dialogs.end(),
                             [&](const DialogTemplate& d) { return d.id == item.dialogId; });
            if (dialog == out_.dialogs.end()) {
                return Fail(item.line, "initial items for dialog " + std::to_string(item.dialogId) +
                                           ", which this script does not define");
            }
            auto control =
                std::find_if(dialog->controls.begin(), dialog->controls.end(),
                             [&](const DialogControl& c) { return c.id == item.controlId; });
            if (control == dialog->controls.end() || item.controlId == -1) {
                return Fail(item.line, "initial items for control " +
                                           std::to_string(item.controlId) + ", which dialog " +
                                           std::to_string(item.dialogId) + " does not have");
            }
            control->items.push_back(std::move(item.text));
        }
        return true;
    }

    bool Menu(int id, const Token& type) {
        if (!Unique(out_.menus, id, type)) {
            return false;
        }
        MenuTemplate menu;
        menu.id = id;
        if (!MenuItems(menu.items)) {
            return false;
        }
        out_.menus.push_back(std::move(menu));
        return true;
    }

    bool MenuItems(std::vector<MenuItem>& items) {
        const Nested nested(*this);
        if (!nested.Allowed() || !Begin()) {
            return false;
        }
        while (!AtEnd()) {
            const Token& keyword = Take();
            MenuItem item;
            if (IsWord(keyword, "POPUP")) {
                item.popup = true;
                if (!Text(item.text, "popup text") || !MenuOptions(item) ||
                    !MenuItems(item.children)) {
                    return false;
                }
            } else if (IsWord(keyword, "MENUITEM")) {
                if (IsWord(Peek(), "SEPARATOR")) {
                    Skip();
                    item.separator = true;
                } else if (!Text(item.text, "menu text") || !Comma("the menu text") ||
                           !Int(item.command, "a command id") || !MenuOptions(item)) {
                    return false;
                }
            } else {
                return Fail(keyword, "expected POPUP, MENUITEM or END, found " + Shown(keyword));
            }
            items.push_back(std::move(item));
        }
        return true;
    }

    bool MenuOptions(MenuItem& item) {
        for (;;) {
            const bool comma = TakePunct(',');
            if (IsWord(Peek(), "CHECKED")) {
                item.checked = true;
            } else if (IsWord(Peek(), "GRAYED") || IsWord(Peek(), "INACTIVE")) {
                item.grayed = true;
            } else if (comma) {
                return Expected("CHECKED, GRAYED or INACTIVE");
            } else {
                return true;
            }
            Skip();
        }
    }

    bool Accelerators(int id, const Token& type) {
        if (!Unique(out_.acceleratorTables, id, type)) {
            return false;
        }
        AcceleratorTable table;
        table.id = id;
        if (!Begin()) {
            return false;
        }
        while (!AtEnd()) {
            Accelerator entry;
            if (!AcceleratorEntry(entry)) {
                return false;
            }
            table.entries.push_back(entry);
        }
        out_.acceleratorTables.push_back(std::move(table));
        return true;
    }

    bool AcceleratorEntry(Accelerator& entry) {
        const Token& key = Peek();
        std::string character;
        if (key.kind == TokenKind::kString) {
            character = Take().text;
            const bool control = character.size() == 2 && character[0] == '^';
            if (character.size() != 1 && !control) {
                return Fail(key, "an accelerator key is one character or ^ and a letter, not " +
                                     Shown(key));
            }
            entry.key = static_cast<unsigned char>(character.back());
            if (control) {
                entry.key = std::toupper(entry.key);
                entry.control = true;
            }
        } else if (!Int(entry.key, "an accelerator key")) {
            return false;
        }
        if (!Comma("the key") || !Int(entry.command, "a command id")) {
            return false;
        }
        while (TakePunct(',')) {
            const Token& option = Take();
            if (IsWord(option, "VIRTKEY")) {
                entry.virtKey = true;
            } else if (IsWord(option, "CONTROL")) {
                entry.control = true;
            } else if (IsWord(option, "SHIFT")) {
                entry.shift = true;
            } else if (IsWord(option, "ALT")) {
                entry.alt = true;
            } else if (!IsWord(option, "ASCII") && !IsWord(option, "NOINVERT")) {
                return Fail(option, "unknown accelerator option " + Shown(option));
            }
        }
        if (entry.virtKey && !character.empty()) {
            if (character[0] == '^') {
                return Fail(key, "a virtual key cannot be written with ^");
            }
            entry.key = std::toupper(entry.key); // virtual keys of letters are capitals
        }
        return true;
    }

    bool ToolBar(int id, const Token& type) {
        if (!Unique(out_.toolBars, id, type)) {
            return false;
        }
        ToolBarTemplate bar;
        bar.id = id;
        if (!Int(bar.buttonWidth, "a button width") || !Comma("the button width") ||
            !Int(bar.buttonHeight, "a button height") || !Begin()) {
            return false;
        }
        while (!AtEnd()) {
            const Token& keyword = Take();
            int command = 0;
            if (IsWord(keyword, "BUTTON")) {
                if (!Int(command, "a command id")) {
                    return false;
                }
            } else if (!IsWord(keyword, "SEPARATOR")) {
                return Fail(keyword, "expected BUTTON, SEPARATOR or END, found " + Shown(keyword));
            }
            bar.commands.push_back(command);
        }
        out_.toolBars.push_back(std::move(bar));
        return true;
    }

    bool Picture(int id, PictureKind kind, const Token& type) {
        const bool taken =
            std::any_of(out_.pictures.begin(), out_.pictures.end(),
                        [&](const PictureEntry& p) { return p.id == id && p.kind == kind; });
        if (taken) {
            return Fail(type, Shown(type) + " " + std::to_string(id) + " defined twice");
        }
        PictureEntry entry{id, kind, {}};
        if (!Text(entry.file, "file name")) {
            return false;
        }
        out_.pictures.push_back(std::move(entry));
        return true;
    }

    bool StringTable() {
        if (!Begin()) {
            return false;
        }
        while (!AtEnd()) {
            const Token& at = Peek();
            int id = 0;
            std::string text;
            if (!Int(id, "a string id")) {
                return false;
            }
            TakePunct(',');
            if (!Text(text, "string")) {
                return false;
            }
            if (!out_.strings.emplace(id, std::move(text)).second) {
                return Fail(at, "string " + std::to_string(id) + " defined twice");
            }
        }
        return true;
    }

    const IncludeLoader& include_;
    ResourceScript& out_;
    std::vector<InitialItem> items_;
};

} // namespace

bool ParseResourceScript(std::string_view text, const IncludeLoader& include,
                         ResourceScript& script, ResourceError& error) {
    script = {};
    return Parser(include, script, error).Run(text);
}
