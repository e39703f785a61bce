#include "platform/qt/Dialog.h"

#include "platform/Sleep.h"
#include "platform/StopRequest.h"
#include "platform/qt/DataExchange.h"
#include "platform/qt/DateTimePicker.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

namespace {

// Set on an edit once the user has typed in it; the program's own texts never clear it.
constexpr char kUserModifiedProperty[] = "userModified";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

int ControlId(const QObject* control) {
    const QVariant id = control->property(kCtrlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

} // namespace

void PauseHandlingEvents(int milliseconds) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        SleepMs(milliseconds);
        return;
    }
    // Asked to end, the program has no access left to wait for.
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired() && !IsProgramEndRequested()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents,
                                        static_cast<int>(deadline.remainingTime()));
    }
}

CDialog::CDialog(ResourceRow row, QWidget* parent, const ControlFactories& factories)
    : CDialog(static_cast<int>(ResourceId(row)), parent, factories) {}

CDialog::CDialog(int templateId, QWidget* parent, const ControlFactories& factories)
    : QDialog(parent), m_templateId(templateId) {
    Build(factories);
}

// The edits lose their focus while the widgets go; by then nothing of the dialog may run.
CDialog::~CDialog() {
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->removeEventFilter(this);
}

void CDialog::Build(const ControlFactories& factories) {
    DialogTemplate dialog;
    ResourceError error;
    if (!LoadDialogTemplate(m_templateId, dialog, error)) {
        qWarning("%s", error.Describe().c_str());
        return;
    }
    BuildForm(dialog, *this, factories);
    ApplyWindowStyle(dialog.style);
    for (QObject* child : children()) {
        if (auto* control = qobject_cast<QWidget*>(child); control && ControlId(control) != 0)
            ConnectNotifications(control, ControlId(control));
    }
    m_built = true;
}

void CDialog::ApplyWindowStyle(unsigned style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
}

void CDialog::ConnectNotifications(QWidget* control, int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, id] { Notify(Notification::kClicked, id); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this,
                [this, id] { Notify(Notification::kSelChange, id); });
    } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
        connect(picker, &QDateTimeEdit::dateTimeChanged, this,
                [this, id] { Notify(Notification::kDateTimeChange, id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, edit,
                [edit] { edit->setProperty(kUserModifiedProperty, true); });
        edit->installEventFilter(this);
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        Notify(Notification::kKillFocus, ControlId(watched));
    return QDialog::eventFilter(watched, event);
}

void CDialog::On(Notification notification, int id, std::function<void()> handler) {
    m_handlers[{notification, id}] = std::move(handler);
}

void CDialog::Notify(Notification notification, int id) {
    if (const auto it = m_handlers.find({notification, id}); it != m_handlers.end()) {
        // The handler may replace itself (or end the dialog): call a copy.
        const std::function<void()> handler = it->second;
        handler();
    } else if (notification == Notification::kClicked && id == IDOK) {
        OnOK();
    } else if (notification == Notification::kClicked && id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::Initialise() {
    m_ended = false;
    if (!m_initialised || m_modal) {
        m_initialised = true;
        OnInitDialog();
    }
}

int CDialog::DoModal() {
    if (!m_built)
        return -1;
    m_modal = true;
    Initialise();
    if (m_ended)
        return result();
    return exec();
}

bool CDialog::Create() {
    if (!m_built)
        return false;
    m_modal = false;
    if (m_initialised)
        return true;
    Initialise();
    return !m_ended;
}

void CDialog::EndDialog(int code) {
    m_ended = true;
    setResult(code);
    if (isVisible())
        done(code);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    dx.Finish();
    return !dx.Failed();
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::reject() {
    Notify(Notification::kClicked, IDCANCEL);
}

void CDialog::accept() {
    Notify(Notification::kClicked, IDOK);
}

// Enter presses the template's default push button, when it can be pressed, and nothing
// else; Escape is the Cancel button.
void CDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                    button->click();
                    break;
                }
            }
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    OnSize(width(), height());
}

void CDialog::OnSize(int width, int height) {
    if (!m_sizers)
        return;
    m_sizers->Reposition(width, height, [this](int id, const SizerRect& rect) {
        if (QWidget* control = GetDlgItem(id))
            control->setGeometry(rect.left, rect.top, rect.width, rect.height);
    });
}

void CDialog::AnchorControls(std::initializer_list<ControlAnchor> anchors) {
    m_sizers = std::make_unique<CSizerGroup>(width(), height());
    for (const ControlAnchor& anchor : anchors) {
        const QWidget* control = GetDlgItem(anchor.id);
        if (!control)
            continue;
        const QRect place = control->geometry();
        m_sizers->Add(std::make_unique<CSizer>(
            anchor.id, SizerRect{place.x(), place.y(), place.width(), place.height()}, width(),
            height(), anchor.anchor));
    }
    setMinimumSize(size());
}

QWidget* CDialog::GetDlgItem(int id) const {
    return ControlById(*this, id);
}

std::string CDialog::GetDlgItemText(int id) const {
    const QWidget* control = GetDlgItem(id);
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(control))
        text = group->title();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        text = edit->text();
    else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        text = plain->toPlainText();
    else if (const auto* combo = qobject_cast<const QComboBox*>(control))
        text = combo->currentText();
    else if (const auto* picker = qobject_cast<const QDateTimeEdit*>(control))
        text = picker->text();
    return text.toStdString();
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    QWidget* control = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(Q(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(Q(text));
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(Q(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(Q(text));
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(Q(text));
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        combo->setEditText(Q(text));
}

void CDialog::EnableDlgItem(int id, bool enable) {
    if (QWidget* control = GetDlgItem(id))
        control->setEnabled(enable);
}

void CDialog::ShowDlgItem(int id, bool show) {
    if (QWidget* control = GetDlgItem(id))
        control->setVisible(show);
}

int CDialog::IsDlgButtonChecked(int id) const {
    const QWidget* control = GetDlgItem(id);
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
        }
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(control))
        return radio->isChecked() ? 1 : 0;
    return 0;
}

void CDialog::CheckDlgButton(int id, int state) {
    QWidget* control = GetDlgItem(id);
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setCheckState(state == 1   ? Qt::Checked
                           : state == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        radio->setChecked(state == 1);
    }
}

void CDialog::CheckAllBoxes(int state) {
    for (QObject* child : children()) {
        if (qobject_cast<QCheckBox*>(child) || qobject_cast<QRadioButton*>(child))
            CheckDlgButton(ControlId(child), state);
    }
    update();
}

bool CDialog::IsEditModified(int id) const {
    const QWidget* control = GetDlgItem(id);
    return control && control->property(kUserModifiedProperty).toBool();
}

void CDialog::SetEditModified(int id, bool modified) {
    if (QWidget* control = GetDlgItem(id))
        control->setProperty(kUserModifiedProperty, modified);
}

QComboBox* CDialog::Combo(int id) const {
    return GetDlgItem<QComboBox>(id);
}

int CDialog::GetCurSel(int id) const {
    if (const QComboBox* combo = Combo(id))
        return combo->currentIndex();
    if (const auto* list = GetDlgItem<QListWidget>(id))
        return list->currentRow();
    return -1;
}

void CDialog::SetCurSel(int id, int index) {
    if (QComboBox* combo = Combo(id)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    } else if (auto* list = GetDlgItem<QListWidget>(id)) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(index);
    }
}

time_t CDialog::GetPickerTime(int id) const {
    const auto* picker = GetDlgItem<QDateTimeEdit>(id);
    return picker ? PickerTime(*picker) : 0;
}

void CDialog::SetPickerTime(int id, time_t time) {
    if (auto* picker = GetDlgItem<QDateTimeEdit>(id))
        ::SetPickerTime(*picker, time);
}

MessageBoxAnswer CDialog::MessageBox(const std::string& text, const std::string& caption,
                                     unsigned style) {
    return ShowMessageBox(this, text, caption, style);
}
