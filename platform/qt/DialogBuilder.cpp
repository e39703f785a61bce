#include "platform/qt/DialogBuilder.h"

#include "platform/qt/StandardControls.h"
#include "platform/qt/WindowStyles.h"

#include <vector>

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

namespace {

bool IsShellDialogFont(const std::string& face) {
    return face == "MS Shell Dlg" || face == "MS Shell Dlg 2" || face == "MS Sans Serif";
}

QWidget* CreateControl(const DialogControl& control, const QRect& pixels, QWidget& host,
                       const ControlFactories& factories) {
    if (const ControlFactory* factory = factories.Find(control)) {
        if (QWidget* widget = (*factory)(control, &host)) {
            widget->setParent(&host);
            widget->setGeometry(pixels);
            return widget;
        }
    }
    return CreateStandardControl(control, pixels, &host);
}

// "&Name" underlines N and, as on every desktop, takes the keyboard to the next control that
// Tab reaches; "&&" is a plain ampersand.
QString WithoutMnemonics(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

void ConnectMnemonics(const DialogTemplate& dialog, const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        const DialogControl& control = dialog.controls[i];
        if (!label || label->text().indexOf(u'&') < 0) {
            continue;
        }
        QWidget* buddy = nullptr;
        for (std::size_t next = i + 1; next < widgets.size() && !buddy; ++next) {
            if (dialog.controls[next].style & WS_TABSTOP) {
                buddy = widgets[next];
            }
        }
        if (buddy && !(control.style & SS_NOPREFIX)) {
            label->setBuddy(buddy);
        } else if (!(control.style & SS_NOPREFIX)) {
            label->setText(WithoutMnemonics(label->text()));
        }
    }
}

} // namespace

QFont DialogFont(const DialogTemplate& dialog) {
    QFont font = IsShellDialogFont(dialog.fontFace)
                     ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                     : QFont(QString::fromStdString(dialog.fontFace));
    font.setPointSize(dialog.fontPointSize > 0 ? dialog.fontPointSize : 8);
    if (dialog.fontWeight >= 1 && dialog.fontWeight <= 1000) {
        font.setWeight(static_cast<QFont::Weight>(dialog.fontWeight));
    }
    font.setItalic(dialog.fontItalic);
    return font;
}

DialogBaseUnits BuildForm(const DialogTemplate& dialog, QWidget& host,
                          const ControlFactories& factories) {
    host.setFont(DialogFont(dialog));
    const DialogBaseUnits units = BaseUnitsOf(host.font());
    std::vector<QWidget*> widgets;
    for (const DialogControl& control : dialog.controls) {
        QWidget* widget = CreateControl(
            control, MapDialogRect(units, control.x, control.y, control.cx, control.cy), host,
            factories);
        widget->setProperty(kCtrlIdProperty, control.id);
        widget->setProperty(kCtrlClassProperty, QString::fromStdString(control.className));
        widget->setProperty(kCtrlStyleProperty, control.style);
        if (widget->objectName().isEmpty() && control.id != -1) {
            widget->setObjectName(QString::fromStdString(control.idName));
        }
        if (!(control.style & WS_TABSTOP) && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        widget->setEnabled(!(control.style & WS_DISABLED));
        widget->setHidden(!(control.style & WS_VISIBLE));
        widgets.push_back(widget);
    }
    // Group frames are drawn behind the controls they gather, whatever their template order.
    for (QWidget* widget : widgets) {
        if (qobject_cast<QGroupBox*>(widget)) {
            widget->lower();
        }
    }
    ConnectMnemonics(dialog, widgets);

    const QSize size = MapDialogSize(units, dialog.cx, dialog.cy);
    if (!(dialog.style & WS_CHILD)) {
        host.setWindowTitle(QString::fromStdString(dialog.caption));
        if (dialog.style & WS_THICKFRAME) {
            host.resize(size);
        } else {
            host.setFixedSize(size);
        }
    } else {
        host.resize(size);
    }
    return units;
}

QWidget* ControlById(const QWidget& host, int id) {
    for (QObject* child : host.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget) {
            const QVariant value = widget->property(kCtrlIdProperty);
            if (value.isValid() && value.toInt() == id) {
                return widget;
            }
        }
    }
    return nullptr;
}
