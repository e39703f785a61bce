#include "platform/qt/DialogBuilder.h"

#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/ResourceScript.h"
#include "platform/qt/WindowStyles.h"

#include <memory>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

namespace {

DialogTemplate Template(const std::string& text) {
    ResourceScript script;
    ResourceError error;
    const bool ok = ParseResourceScript(
        text,
        [](const std::string&, std::string& header) {
            header = "inline constexpr int IDC_INTERVAL = 1233;";
            return true;
        },
        script, error);
    EXPECT_TRUE(ok) << error.line << ": " << error.message;
    return ok ? script.dialogs.at(0) : DialogTemplate{};
}

const char kDialog[] = R"(#include "ids.h"
300 DIALOGEX 0, 0, 220, 140
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Einstellungen"
FONT 8, "MS Shell Dlg"
BEGIN
    LTEXT "&Interval:", -1, 7, 9, 40, 8
    EDITTEXT IDC_INTERVAL, 50, 7, 40, 14, ES_NUMBER | ES_RIGHT
    GROUPBOX "Units", -1, 5, 24, 120, 60
    COMBOBOX 1158, 10, 36, 60, 80, CBS_DROPDOWNLIST | WS_VSCROLL
    COMBOBOX 1159, 10, 54, 60, 80, CBS_DROPDOWN
    AUTOCHECKBOX "Alarm", 1139, 130, 30, 60, 10
    PUSHBUTTON "Init", 1004, 130, 50, 50, 14, NOT WS_VISIBLE | WS_DISABLED
    LISTBOX 1091, 130, 70, 60, 40, LBS_EXTENDEDSEL | WS_VSCROLL
    CONTROL "", 1088, "SysDateTimePick32", DTS_UPDOWN | DTS_RIGHTALIGN, 7, 90, 59, 15
    CONTROL "", 1090, "SysDateTimePick32", DTS_TIMEFORMAT, 70, 90, 48, 15
    CONTROL "", 1025, "SysListView32", LVS_REPORT | LVS_SINGLESEL | WS_BORDER, 7, 110, 100, 25
    EDITTEXT 1200, 110, 110, 20, 25, ES_MULTILINE | ES_READONLY
    CONTROL 142, 1005, "Static", SS_BITMAP | SS_REALSIZECONTROL, 140, 110, 12, 12
    CONTROL 142, 1006, "Static", SS_BITMAP, 160, 110, 40, 40
    CONTROL "", 1081, "TempLevel", 0, 190, 7, 20, 60
    LTEXT "Fish && Chips", 1300, 190, 70, 25, 8, SS_NOPREFIX
    DEFPUSHBUTTON "Save", 1028, 163, 119, 50, 14
END
300 DLGINIT
BEGIN
    1158, "hPa"
    1158, "inHg"
    1158, "mmHg"
    1091, "TAB"
END
)";

class DialogBuilder : public testing::Test {
protected:
    void SetUp() override {
        dialog_ = Template(kDialog);
        units_ = BuildForm(dialog_, host_);
    }
    QWidget* Control(int id) { return ControlById(host_, id); }
    QRect Pixels(int index) const {
        const DialogControl& c = dialog_.controls[static_cast<std::size_t>(index)];
        return MapDialogRect(units_, c.x, c.y, c.cx, c.cy);
    }

    DialogTemplate dialog_;
    QDialog host_;
    DialogBaseUnits units_;
};

TEST_F(DialogBuilder, EveryControlHasItsKindIdClassAndStyle) {
    struct Expected {
        int id;
        const char* kind;
    };
    const Expected expected[] = {
        {1233, "QLineEdit"},      {1158, "QComboBox"},     {1159, "QComboBox"},
        {1139, "QCheckBox"},      {1004, "QPushButton"},   {1091, "QListWidget"},
        {1088, "QDateTimeEdit"},  {1090, "QDateTimeEdit"}, {1025, "QTreeView"},
        {1200, "QPlainTextEdit"}, {1005, "QLabel"},        {1006, "QLabel"},
        {1081, "QFrame"},         {1300, "QLabel"},        {1028, "QPushButton"},
    };
    for (const Expected& e : expected) {
        QWidget* widget = Control(e.id);
        ASSERT_NE(widget, nullptr) << e.id;
        EXPECT_STREQ(widget->metaObject()->className(), e.kind) << e.id;
        EXPECT_EQ(widget->parentWidget(), &host_);
        EXPECT_EQ(widget->property(kCtrlIdProperty).toInt(), e.id);
    }
    EXPECT_EQ(Control(1081)->property(kCtrlClassProperty).toString(), "TempLevel");
    EXPECT_EQ(Control(1005)->property(kCtrlClassProperty).toString(), "Static");
    EXPECT_EQ(Control(1005)->property(kCtrlStyleProperty).toUInt(),
              WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL);
    EXPECT_EQ(Control(4711), nullptr);
    EXPECT_EQ(host_.findChild<QLineEdit*>("IDC_INTERVAL"), Control(1233));
    EXPECT_EQ(host_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(dialog_.controls.size()));
}

TEST_F(DialogBuilder, ControlsSitWhereTheTemplateSaysInThePixelsOfTheDialogFont) {
    EXPECT_EQ(host_.font().pointSize(), 8);
    const DialogBaseUnits expected = BaseUnitsOf(host_.font());
    EXPECT_EQ(units_.x, expected.x);
    EXPECT_EQ(units_.y, expected.y);
    const auto widgets = host_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int checked = 0;
    for (int i = 0; i < static_cast<int>(dialog_.controls.size()); ++i) {
        const DialogControl& c = dialog_.controls[static_cast<std::size_t>(i)];
        if (c.id == -1) {
            continue;
        }
        QWidget* widget = Control(c.id);
        SCOPED_TRACE(c.id);
        EXPECT_EQ(widget->pos(), Pixels(i).topLeft());
        if (c.className == "ComboBox") {
            // Closed, a combo box is as high as its style makes it; the template gives the
            // height with the list dropped.
            EXPECT_EQ(widget->width(), Pixels(i).width());
            EXPECT_EQ(widget->height(), widget->sizeHint().height());
        } else if (c.id != 1006) {
            EXPECT_EQ(widget->size(), Pixels(i).size());
        }
        ++checked;
    }
    EXPECT_EQ(checked, 15);
    // A plain bitmap static takes its picture's size; a "real size control" one keeps its own.
    EXPECT_EQ(Control(1006)->size(), LoadBitmapResource(142).size());
    EXPECT_NE(Control(1006)->size(), Pixels(13).size());
}

TEST_F(DialogBuilder, HiddenAndDisabledControlsStaySo) {
    host_.show();
    EXPECT_FALSE(Control(1004)->isVisible());
    EXPECT_FALSE(Control(1004)->isEnabled());
    EXPECT_TRUE(Control(1028)->isVisible());
    EXPECT_TRUE(Control(1028)->isEnabled());
    host_.hide();
}

TEST_F(DialogBuilder, AWindowTakesCaptionAndAFixedSizeWithoutASizingFrame) {
    EXPECT_EQ(host_.windowTitle(), "Einstellungen");
    const QSize size = MapDialogSize(units_, 220, 140);
    EXPECT_EQ(host_.size(), size);
    EXPECT_EQ(host_.minimumSize(), size);
    EXPECT_EQ(host_.maximumSize(), size);

    DialogTemplate sizable = dialog_;
    sizable.style |= WS_THICKFRAME;
    QDialog resizable;
    BuildForm(sizable, resizable);
    EXPECT_EQ(resizable.size(), size);
    EXPECT_NE(resizable.maximumSize(), size);
}

TEST_F(DialogBuilder, StandardControlsTakeTheirStyles) {
    auto* units = ControlById<QComboBox>(host_, 1158);
    ASSERT_EQ(units->count(), 3);
    EXPECT_EQ(units->itemText(1), "inHg");
    EXPECT_FALSE(units->isEditable());
    EXPECT_TRUE(ControlById<QComboBox>(host_, 1159)->isEditable());

    auto* interval = ControlById<QLineEdit>(host_, 1233);
    EXPECT_TRUE(interval->alignment() & Qt::AlignRight);
    ASSERT_NE(interval->validator(), nullptr);
    QString text = QStringLiteral("12a");
    int position = 0;
    EXPECT_EQ(interval->validator()->validate(text, position), QValidator::Invalid);

    auto* list = ControlById<QListWidget>(host_, 1091);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->item(0)->text(), "TAB");

    EXPECT_TRUE(ControlById<QDateTimeEdit>(host_, 1090)->displayedSections() &
                QDateTimeEdit::MinuteSection);
    EXPECT_FALSE(ControlById<QDateTimeEdit>(host_, 1088)->calendarPopup());
    EXPECT_EQ(ControlById<QTreeView>(host_, 1025)->selectionMode(),
              QAbstractItemView::SingleSelection);
    EXPECT_TRUE(ControlById<QPlainTextEdit>(host_, 1200)->isReadOnly());
    EXPECT_TRUE(ControlById<QPushButton>(host_, 1028)->isDefault());
    EXPECT_FALSE(ControlById<QPushButton>(host_, 1004)->isDefault());
    EXPECT_FALSE(ControlById<QLabel>(host_, 1005)->pixmap().isNull());
}

TEST_F(DialogBuilder, GroupFramesLieBehindTheControlsTheyGather) {
    const auto children = host_.children();
    QGroupBox* frame = host_.findChild<QGroupBox*>();
    ASSERT_NE(frame, nullptr);
    // The first child is painted first, so it is the lowest.
    EXPECT_EQ(children.first(), frame);
}

TEST_F(DialogBuilder, AMnemonicLeadsToTheNextControlTabReaches) {
    QLabel* label = nullptr;
    for (QLabel* candidate : host_.findChildren<QLabel*>()) {
        if (candidate->text() == "&Interval:") {
            label = candidate;
        }
    }
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), Control(1233));
    EXPECT_EQ(ControlById<QLabel>(host_, 1300)->text(), "Fish && Chips");
    EXPECT_EQ(ControlById<QLabel>(host_, 1300)->buddy(), nullptr);
}

TEST(DialogBuilderFactories, AClassFactoryMakesEveryControlOfItsClass) {
    DialogTemplate dialog = Template(R"(1 DIALOG 0, 0, 100, 100
STYLE WS_CHILD
BEGIN
    CONTROL "", 1081, "TempLevel", 0, 5, 5, 20, 60
    CONTROL "", 1087, "templevel", NOT WS_VISIBLE, 30, 5, 20, 60
    CONTROL "", 1079, "WindLevel", 0, 5, 70, 60, 20
    CONTROL 142, 1005, "Static", SS_BITMAP, 70, 70, 10, 10
END)");
    std::vector<int> made;
    ControlFactories factories;
    factories.ForClass("TEMPLEVEL", [&](const DialogControl& control, QWidget* parent) {
        made.push_back(control.id);
        auto* gauge = new QWidget(parent);
        gauge->setObjectName("thermometer");
        return gauge;
    });
    factories.ForClass("WindLevel", [](const DialogControl&, QWidget*) { return nullptr; });
    factories.ForId(1005, [](const DialogControl& control, QWidget*) {
        auto* bell = new QLabel(); // made without a parent: the builder adopts it
        bell->setText(QString::number(control.pictureId));
        return bell;
    });
    QWidget form;
    const DialogBaseUnits units = BuildForm(dialog, form, factories);

    EXPECT_EQ(made, (std::vector<int>{1081, 1087}));
    QWidget* thermometer = ControlById(form, 1081);
    ASSERT_NE(thermometer, nullptr);
    EXPECT_EQ(thermometer->objectName(), "thermometer");
    EXPECT_EQ(thermometer->geometry(), MapDialogRect(units, 5, 5, 20, 60));
    EXPECT_TRUE(ControlById(form, 1087)->isHidden());
    // A factory that declines leaves the control to the standard placeholder.
    EXPECT_STREQ(ControlById(form, 1079)->metaObject()->className(), "QFrame");
    auto* bell = ControlById<QLabel>(form, 1005);
    ASSERT_NE(bell, nullptr);
    EXPECT_EQ(bell->parentWidget(), &form);
    EXPECT_EQ(bell->text(), "142");
    EXPECT_EQ(bell->geometry(), MapDialogRect(units, 70, 70, 10, 10));
    // A form keeps no caption and may be resized by its owner.
    EXPECT_EQ(form.size(), MapDialogSize(units, 100, 100));
    EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

} // namespace
