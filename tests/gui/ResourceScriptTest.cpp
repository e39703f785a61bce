#include "platform/qt/ResourceScript.h"

#include "platform/qt/WindowStyles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;

const char kHeader[] = R"(#pragma once
// ids of the test script
inline constexpr int IDD_TEST = 300;
inline constexpr int IDC_NAME = 1001;
constexpr unsigned IDC_LIST = 0x3F2;
#define IDC_WHEN 1003
inline constexpr int ID_GO = 40001;
inline constexpr int IDC_MINUS = -5;
)";

bool Parse(const std::string& text, ResourceScript& script, ResourceError& error) {
    return ParseResourceScript(
        text,
        [](const std::string& name, std::string& header) {
            if (name != "test.h") {
                return false;
            }
            header = kHeader;
            return true;
        },
        script, error);
}

ResourceScript ParseOk(const std::string& text) {
    ResourceScript script;
    ResourceError error;
    EXPECT_TRUE(Parse(text, script, error)) << error.line << ": " << error.message;
    return script;
}

TEST(ResourceScript, ReadsADialogWithEveryKindOfControlStatement) {
    const ResourceScript script = ParseOk(R"(#include "test.h"
/* a dialog */ IDD_TEST DIALOGEX 0, 0, 200, 120
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_SYSMENU
CAPTION "Tëst ""quoted"""
FONT 9, "Arial", 700, 1, 0x1
{
    LTEXT "&Name:", IDC_STATIC, 7, 9, 40, 8
    EDITTEXT IDC_NAME, 50, 7, 80, 14, ES_AUTOHSCROLL | ES_READONLY
    COMBOBOX IDC_LIST, 50, 25, 80, 100, CBS_DROPDOWNLIST | WS_VSCROLL
    CONTROL "", IDC_WHEN, "SysDateTimePick32", DTS_UPDOWN | NOT WS_VISIBLE | WS_DISABLED, 50, 43, 60, 14
    CONTROL "Check", 1004, Button, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 60, 50, 10, WS_EX_STATICEDGE
    CONTROL 142, 1005, "static", SS_BITMAP, 7, 75, 10, 10
    ICON 128, IDC_MINUS, 150, 7
    DEFPUSHBUTTON "OK", IDOK, 143, 99, 50, 14
}
)");
    ASSERT_EQ(script.dialogs.size(), 1u);
    const DialogTemplate& d = script.dialogs[0];
    EXPECT_EQ(d.id, 300);
    EXPECT_EQ(d.cx, 200);
    EXPECT_EQ(d.cy, 120);
    EXPECT_EQ(d.caption, "Tëst \"quoted\"");
    EXPECT_EQ(d.style, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_SYSMENU | WS_CAPTION);
    EXPECT_EQ(d.fontFace, "Arial");
    EXPECT_EQ(d.fontPointSize, 9);
    EXPECT_EQ(d.fontWeight, 700);
    EXPECT_TRUE(d.fontItalic);
    ASSERT_EQ(d.controls.size(), 8u);

    struct Expected {
        const char* className;
        int id;
        const char* idName;
        unsigned style;
        int x, y, cx, cy;
    };
    const Expected expected[] = {
        {"Static", -1, "IDC_STATIC", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 7, 9, 40, 8},
        {"Edit", 1001, "IDC_NAME",
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 50, 7, 80,
         14},
        {"ComboBox", 1010, "IDC_LIST",
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 50, 25, 80, 100},
        {"SysDateTimePick32", 1003, "IDC_WHEN", WS_CHILD | DTS_UPDOWN | WS_DISABLED, 50, 43, 60,
         14},
        {"Button", 1004, "", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 7, 60, 50, 10},
        {"Static", 1005, "", WS_CHILD | WS_VISIBLE | SS_BITMAP, 7, 75, 10, 10},
        {"Static", -5, "IDC_MINUS", WS_CHILD | WS_VISIBLE | SS_ICON, 150, 7, 0, 0},
        {"Button", 1, "IDOK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 143, 99, 50,
         14},
    };
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const DialogControl& c = d.controls[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(c.className, expected[i].className);
        EXPECT_EQ(c.id, expected[i].id);
        EXPECT_EQ(c.idName, expected[i].idName);
        EXPECT_EQ(c.style, expected[i].style);
        EXPECT_EQ(c.x, expected[i].x);
        EXPECT_EQ(c.y, expected[i].y);
        EXPECT_EQ(c.cx, expected[i].cx);
        EXPECT_EQ(c.cy, expected[i].cy);
    }
    EXPECT_EQ(d.controls[0].text, "&Name:");
    EXPECT_EQ(d.controls[4].exStyle, WS_EX_STATICEDGE);
    EXPECT_EQ(d.controls[5].pictureId, 142);
    EXPECT_EQ(d.controls[6].pictureId, 128);
}

TEST(ResourceScript, AWrittenKindReplacesTheStatementsOwnAndNotTakesBitsAway) {
    const ResourceScript script = ParseOk(R"(1 DIALOG 0, 0, 100, 50
BEGIN
    COMBOBOX 1, 5, 5, 60, 80, CBS_DROPDOWN | CBS_SORT
    RTEXT "a", 2, 5, 5, 60, 8, SS_NOPREFIX
    PUSHBUTTON "b", 3, 5, 5, 60, 8, BS_DEFPUSHBUTTON | NOT WS_TABSTOP
    EDITTEXT 4, 5, 5, 60, 8, ES_MULTILINE | NOT WS_BORDER
END
)");
    const auto& c = script.dialogs.at(0).controls;
    EXPECT_EQ(c[0].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT);
    EXPECT_EQ(c[1].style, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_RIGHT | SS_NOPREFIX);
    EXPECT_EQ(c[2].style, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
    EXPECT_EQ(c[3].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE);
}

TEST(ResourceScript, InitialItemsJoinTheirControlsInOrder) {
    const ResourceScript script = ParseOk(R"(#include "test.h"
IDD_TEST DLGINIT
BEGIN
    IDC_LIST, "an hour"
    IDC_LIST, "24 hours"
    1011, "Süd"
END
IDD_TEST DIALOG 0, 0, 100, 50
BEGIN
    COMBOBOX IDC_LIST, 5, 5, 60, 80
    LISTBOX 1011, 5, 25, 60, 20
END
)");
    ASSERT_EQ(script.dialogs.size(), 1u);
    EXPECT_EQ(script.dialogs[0].controls[0].items,
              (std::vector<std::string>{"an hour", "24 hours"}));
    EXPECT_EQ(script.dialogs[0].controls[1].items, (std::vector<std::string>{"Süd"}));
}

TEST(ResourceScript, ReadsMenusAcceleratorsToolBarsPicturesAndStrings) {
    const ResourceScript script = ParseOk(R"(#include "test.h"
128 MENU
BEGIN
    POPUP "&File"
    BEGIN
        MENUITEM "&Go\tF5", ID_GO, CHECKED
        MENUITEM SEPARATOR
        POPUP "More", GRAYED
        BEGIN
            MENUITEM "Off", 40002, GRAYED
        END
    END
    MENUITEM "&Help", 40003
END
128 ACCELERATORS
BEGIN
    "N", 57600, VIRTKEY, CONTROL, NOINVERT
    "^C", 57634
    "a", 40004
    VK_F5, ID_GO, VIRTKEY, SHIFT, ALT
END
128 TOOLBAR 19, 18
BEGIN
    BUTTON ID_GO
    SEPARATOR
    BUTTON 40003
END
128 BITMAP "strip.png"
128 ICON "app.png"
STRINGTABLE
BEGIN
    ID_GO "Go now\nGo"
    40003, "Help"
END
)");
    ASSERT_EQ(script.menus.size(), 1u);
    const MenuTemplate& menu = script.menus[0];
    ASSERT_EQ(menu.items.size(), 2u);
    const MenuItem& file = menu.items[0];
    EXPECT_TRUE(file.popup);
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.children.size(), 3u);
    EXPECT_EQ(file.children[0].text, "&Go\tF5");
    EXPECT_EQ(file.children[0].command, 40001);
    EXPECT_TRUE(file.children[0].checked);
    EXPECT_TRUE(file.children[1].separator);
    EXPECT_TRUE(file.children[2].popup);
    EXPECT_TRUE(file.children[2].grayed);
    EXPECT_TRUE(file.children[2].children[0].grayed);
    EXPECT_FALSE(menu.items[1].popup);
    EXPECT_EQ(menu.items[1].command, 40003);

    ASSERT_EQ(script.acceleratorTables.size(), 1u);
    const auto& keys = script.acceleratorTables[0].entries;
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_TRUE(keys[0].virtKey && keys[0].control && !keys[0].shift);
    EXPECT_EQ(keys[0].key, 'N');
    EXPECT_EQ(keys[0].command, 57600);
    EXPECT_TRUE(!keys[1].virtKey && keys[1].control);
    EXPECT_EQ(keys[1].key, 'C');
    EXPECT_EQ(keys[2].key, 'a');
    EXPECT_FALSE(keys[2].control);
    EXPECT_EQ(keys[3].key, VK_F1 + 4);
    EXPECT_TRUE(keys[3].shift && keys[3].alt && !keys[3].control);

    ASSERT_EQ(script.toolBars.size(), 1u);
    EXPECT_EQ(script.toolBars[0].buttonWidth, 19);
    EXPECT_EQ(script.toolBars[0].buttonHeight, 18);
    EXPECT_EQ(script.toolBars[0].commands, (std::vector<int>{40001, 0, 40003}));

    ASSERT_EQ(script.pictures.size(), 2u);
    EXPECT_EQ(script.pictures[0].kind, PictureKind::kBitmap);
    EXPECT_EQ(script.pictures[0].file, "strip.png");
    EXPECT_EQ(script.pictures[1].kind, PictureKind::kIcon);

    EXPECT_EQ(script.strings.at(40001), "Go now\nGo");
    EXPECT_EQ(script.strings.at(40003), "Help");
}

struct BadScript {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

class ResourceScriptErrors : public testing::TestWithParam<BadScript> {};

TEST_P(ResourceScriptErrors, NameTheLineAndTheReason) {
    ResourceScript script;
    ResourceError error;
    EXPECT_FALSE(Parse(GetParam().text, script, error));
    EXPECT_EQ(error.line, GetParam().line);
    EXPECT_THAT(error.message, HasSubstr(GetParam().message));
}

const BadScript kBadScripts[] = {
    {"MissingComma", "1 DIALOG 0, 0, 10, 10\nBEGIN\n  LTEXT \"a\" 5, 1, 2, 3, 4\nEND\n", 3,
     "expected ',' after the text"},
    {"UnknownName", "1 DIALOG 0, 0, 10, 10\nBEGIN\n  EDITTEXT IDC_NOWHERE, 1, 2, 3, 4\nEND\n", 3,
     "unknown name 'IDC_NOWHERE'"},
    {"UnknownStatement", "1 DIALOG 0, 0, 10, 10\nBEGIN\n  SLIDER 5, 1, 2, 3, 4\nEND\n", 3,
     "unknown control statement 'SLIDER'"},
    {"UnclosedText", "1 DIALOG 0, 0, 10, 10\nCAPTION \"open\nBEGIN\nEND\n", 2, "text not closed"},
    {"UnclosedComment", "/* one\n two\n", 1, "comment not closed"},
    {"BadEscape", "STRINGTABLE BEGIN 1 \"a\\qb\" END\n", 1, "unknown escape"},
    {"StrayCharacter", "1 DIALOG 0, 0, 10, 10 @\n", 1, "unexpected character '@'"},
    {"MalformedNumber", "1 DIALOG 0, 0, 10x, 10\n", 1, "malformed number '10x'"},
    {"DuplicateControlId",
     "1 DIALOG 0, 0, 10, 10\nBEGIN\n  EDITTEXT 7, 1, 2, 3, 4\n  EDITTEXT 7, 1, 2, 3, 4\nEND\n", 4,
     "control id 7 used twice"},
    {"DuplicateDialog", "1 DIALOG 0,0,1,1 BEGIN END\n1 DIALOG 0,0,1,1 BEGIN END\n", 2,
     "defined twice"},
    {"UnknownType", "1 SLIDESHOW \"x\"\n", 1, "unknown resource type 'SLIDESHOW'"},
    {"MissingEnd", "1 MENU\nBEGIN\n  POPUP \"a\"\n  BEGIN\n", 5, "found the end of the script"},
    {"ItemsForMissingControl",
     "1 DLGINIT\nBEGIN\n  9, \"x\"\nEND\n1 DIALOG 0,0,1,1 BEGIN EDITTEXT 7, 1, 2, 3, 4 END\n", 3,
     "control 9, which dialog 1 does not have"},
    {"ItemsForMissingDialog", "2 DLGINIT\nBEGIN\n  9, \"x\"\nEND\n", 3,
     "dialog 2, which this script does not define"},
    {"LongAcceleratorKey", "1 ACCELERATORS\nBEGIN\n  \"ab\", 5\nEND\n", 3,
     "one character or ^ and a letter"},
    {"UnknownAcceleratorOption", "1 ACCELERATORS\nBEGIN\n  \"a\", 5, CTRL\nEND\n", 3,
     "unknown accelerator option 'CTRL'"},
    {"MissingInclude", "#include \"other.h\"\n", 1, "cannot include \"other.h\""},
    {"OtherDirective", "#define X 1\n", 1, "only #include"},
    {"ZeroResourceId", "0 BITMAP \"a.png\"\n", 1, "must be positive"},
    {"DuplicateString", "STRINGTABLE\nBEGIN\n 5 \"a\"\n 5 \"b\"\nEND\n", 4,
     "string 5 defined twice"},
    {"NumberOutOfRange", "1 DIALOG 0, 0, 70000, 1\n", 1, "a width out of range"},
};

INSTANTIATE_TEST_SUITE_P(BadInput, ResourceScriptErrors, testing::ValuesIn(kBadScripts),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(ResourceScript, NestingFarBeyondAnyTemplateIsRefusedWithItsLine) {
    const int deep = 100000;
    const std::string parentheses = Repeated("(", deep) + "1" + Repeated(")", deep);
    const std::string signs = Repeated("- ", deep) + "1";
    const std::string popups =
        Repeated("POPUP \"a\" BEGIN ", deep) + "MENUITEM \"b\", 1 " + Repeated("END ", deep);
    for (const std::string& script :
         {"1 DIALOG 0, 0, 10, 10\nSTYLE " + parentheses + "\nBEGIN END\n",
          "1 DIALOG 0, 0, 10, 10\nBEGIN EDITTEXT 5, " + signs + ", 2, 3, 4\nEND\n",
          "1 MENU\nBEGIN " + popups + "END\n"}) {
        ResourceScript scriptRead;
        ResourceError error;
        EXPECT_FALSE(Parse(script, scriptRead, error));
        EXPECT_EQ(error.line, 2);
        EXPECT_THAT(error.message, HasSubstr("nested more than 64 levels deep"));
    }
}

// The limit counts every level, of expressions and menus alike: 62 popups in the menu, their
// items' level and the command id's make 64.
TEST(ResourceScript, NestingWithinTheLimitIsRead) {
    const int popups = 62;
    const ResourceScript script = ParseOk(
        "1 DIALOG " + Repeated("-(", 31) + "5" + Repeated(")", 31) + ", 0, 10, 10 BEGIN END\n" +
        "2 MENU BEGIN " + Repeated("POPUP \"a\" BEGIN ", popups) + "MENUITEM \"b\", 7 " +
        Repeated("END ", popups + 1) + "\n");
    ASSERT_EQ(script.dialogs.size(), 1u);
    EXPECT_EQ(script.dialogs[0].x, -5);
    ASSERT_EQ(script.menus.size(), 1u);
    const MenuItem* item = &script.menus[0].items.at(0);
    for (int level = 1; level < popups; ++level) {
        ASSERT_EQ(item->children.size(), 1u);
        item = &item->children[0];
    }
    ASSERT_EQ(item->children.size(), 1u);
    EXPECT_EQ(item->children[0].command, 7);
}

TEST(ResourceScript, AHeaderWithSomethingElseThanConstantsIsRefused) {
    ResourceScript script;
    ResourceError error;
    const bool ok = ParseResourceScript(
        "#include \"bad.h\"\n",
        [](const std::string&, std::string& header) {
            header = "inline constexpr int A = 1;\nint f();\n";
            return true;
        },
        script, error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error.line, 1);
    EXPECT_THAT(error.message, HasSubstr("in \"bad.h\" line 2: expected a constant definition"));
}

TEST(ResourceScript, ErrorsDescribeThemselvesWithFileAndLine) {
    const ResourceError error{"dialogs/101.rc", 12, "unknown name 'X'"};
    EXPECT_EQ(error.Describe(), "dialogs/101.rc:12: unknown name 'X'");
}

} // namespace
