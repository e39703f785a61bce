#include "platform/qt/StandardControls.h"

#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"

#include <algorithm>
#include <cstring>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeView>

namespace {

QString Text(const DialogControl& control) {
    return QString::fromStdString(control.text);
}

bool Has(unsigned style, unsigned bits) {
    return (style & bits) == bits;
}

Qt::Alignment HorizontalAlignment(unsigned kind) {
    return kind == SS_CENTER ? Qt::AlignHCenter : kind == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
}

// A picture static keeps its template size only when told to; otherwise it takes the
// picture's size, as it always did.
QWidget* PictureStatic(const DialogControl& c, QRect pixels, QWidget* parent, bool icon) {
    auto* label = new QLabel(parent);
    QPixmap picture;
    if (icon) {
        const QIcon image = LoadIconResource(c.pictureId);
        const QSize size = pixels.isEmpty() ? QSize(32, 32) : pixels.size();
        picture = image.pixmap(size);
    } else {
        picture = LoadBitmapResource(c.pictureId);
    }
    label->setPixmap(picture);
    if (Has(c.style, SS_REALSIZECONTROL)) {
        label->setScaledContents(true);
    } else if (Has(c.style, SS_CENTERIMAGE)) {
        label->setAlignment(Qt::AlignCenter);
    } else if (!picture.isNull()) {
        pixels.setSize(picture.deviceIndependentSize().toSize());
    }
    label->setGeometry(pixels);
    return label;
}

QWidget* Static(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    const unsigned kind = c.style & SS_TYPEMASK;
    if (kind == SS_BITMAP || kind == SS_ICON) {
        return PictureStatic(c, pixels, parent, kind == SS_ICON);
    }
    const bool text = kind <= SS_RIGHT || kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP;
    if (!text) {
        auto* frame = new QFrame(parent);
        if (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT) {
            frame->setFrameStyle((kind == SS_ETCHEDHORZ ? QFrame::HLine : QFrame::VLine) |
                                 QFrame::Sunken);
        } else if (kind >= SS_BLACKFRAME && kind <= SS_WHITEFRAME) {
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        } else if (kind == SS_ETCHEDFRAME) {
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        } else if (kind >= SS_BLACKRECT && kind <= SS_WHITERECT) {
            const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Mid,
                                                 QPalette::Light};
            frame->setBackgroundRole(roles[kind - SS_BLACKRECT]);
            frame->setAutoFillBackground(true);
        }
        frame->setGeometry(pixels);
        return frame;
    }
    auto* label = new QLabel(Text(c), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(kind <= SS_RIGHT);
    label->setAlignment(HorizontalAlignment(kind) |
                        (Has(c.style, SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
    if (Has(c.style, SS_SUNKEN) || Has(c.exStyle, WS_EX_STATICEDGE) ||
        Has(c.exStyle, WS_EX_CLIENTEDGE)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else if (Has(c.style, WS_BORDER)) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    label->setGeometry(pixels);
    return label;
}

QWidget* Button(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    QWidget* widget;
    switch (c.style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        widget = new QGroupBox(Text(c), parent);
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: {
        auto* box = new QCheckBox(Text(c), parent);
        const unsigned kind = c.style & BS_TYPEMASK;
        box->setTristate(kind == BS_3STATE || kind == BS_AUTO3STATE);
        box->setLayoutDirection(Has(c.style, BS_LEFTTEXT) ? Qt::RightToLeft : Qt::LeftToRight);
        widget = box;
        break;
    }
    default: {
        auto* button = new QPushButton(Text(c), parent);
        button->setAutoDefault(false);
        button->setDefault((c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        widget = button;
        break;
    }
    }
    widget->setGeometry(pixels);
    return widget;
}

QWidget* Edit(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    const bool bordered = Has(c.style, WS_BORDER) || Has(c.exStyle, WS_EX_CLIENTEDGE);
    if (Has(c.style, ES_MULTILINE)) {
        auto* edit = new QPlainTextEdit(Text(c), parent);
        edit->setReadOnly(Has(c.style, ES_READONLY));
        edit->setFrameShape(bordered ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setGeometry(pixels);
        return edit;
    }
    auto* edit = new QLineEdit(Text(c), parent);
    edit->setReadOnly(Has(c.style, ES_READONLY));
    edit->setFrame(bordered);
    edit->setAlignment(HorizontalAlignment(c.style & (ES_CENTER | ES_RIGHT)) | Qt::AlignVCenter);
    if (Has(c.style, ES_PASSWORD)) {
        edit->setEchoMode(QLineEdit::Password);
    }
    if (Has(c.style, ES_NUMBER)) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    edit->setGeometry(pixels);
    return edit;
}

QStringList Items(const DialogControl& c) {
    QStringList items;
    for (const std::string& item : c.items) {
        items << QString::fromStdString(item);
    }
    return items;
}

// The template's height of a combo box is the height with its list dropped; closed, it is as
// high as its style makes it.
QWidget* ComboBox(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable((c.style & CBS_TYPEMASK) != CBS_DROPDOWNLIST);
    combo->addItems(Items(c));
    const int closedHeight = combo->sizeHint().height();
    const int itemHeight = std::max(1, combo->fontMetrics().height());
    combo->setMaxVisibleItems(std::max(1, (pixels.height() - closedHeight) / itemHeight));
    combo->setGeometry(pixels.x(), pixels.y(), pixels.width(), closedHeight);
    return combo;
}

QWidget* ListBox(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(Has(c.style, LBS_NOSEL)         ? QAbstractItemView::NoSelection
                           : Has(c.style, LBS_EXTENDEDSEL) ? QAbstractItemView::ExtendedSelection
                           : Has(c.style, LBS_MULTIPLESEL) ? QAbstractItemView::MultiSelection
                                                           : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(Has(c.style, LBS_SORT));
    list->addItems(Items(c));
    list->setGeometry(pixels);
    return list;
}

QWidget* DateTimePicker(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    auto* picker = new QDateTimeEdit(QDateTime::currentDateTime(), parent);
    const QLocale locale;
    if (Has(c.style, DTS_TIMEFORMAT)) {
        picker->setDisplayFormat(locale.timeFormat(QLocale::ShortFormat));
    } else {
        picker->setDisplayFormat(locale.dateFormat(
            Has(c.style, DTS_LONGDATEFORMAT) ? QLocale::LongFormat : QLocale::ShortFormat));
        picker->setCalendarPopup(!Has(c.style, DTS_UPDOWN));
    }
    picker->setGeometry(pixels);
    return picker;
}

QWidget* ListView(const DialogControl& c, const QRect& pixels, QWidget* parent) {
    auto* view = new QTreeView(parent);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(Has(c.style, LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                       : QAbstractItemView::ExtendedSelection);
    view->header()->setSectionsClickable(!Has(c.style, LVS_NOSORTHEADER));
    view->header()->setVisible(!Has(c.style, LVS_NOCOLUMNHEADER));
    if (Has(c.style, LVS_SHOWSELALWAYS)) {
        QPalette palette = view->palette();
        palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                         palette.brush(QPalette::Active, QPalette::Highlight));
        palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                         palette.brush(QPalette::Active, QPalette::HighlightedText));
        view->setPalette(palette);
    }
    view->setGeometry(pixels);
    return view;
}

QWidget* Placeholder(const DialogControl&, const QRect& pixels, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(pixels);
    return frame;
}

struct StandardClass {
    const char* name;
    QWidget* (*create)(const DialogControl&, const QRect&, QWidget*);
};

const StandardClass kStandardClasses[] = {
    {"Static", Static},          {"Button", Button},   {"Edit", Edit},
    {"ComboBox", ComboBox},      {"ListBox", ListBox}, {"SysDateTimePick32", DateTimePicker},
    {"SysListView32", ListView},
};

} // namespace

QWidget* CreateStandardControl(const DialogControl& control, const QRect& pixels, QWidget* parent) {
    for (const StandardClass& standard : kStandardClasses) {
        if (control.className == standard.name) {
            return standard.create(control, pixels, parent);
        }
    }
    return Placeholder(control, pixels, parent);
}
