#include "controls/HyperLink.h"

#include "platform/qt/MessageBox.h"
#include "platform/qt/ShellOpen.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QMouseEvent>

namespace {

std::string FailureReason(int code) {
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
               "being processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        return QString::asprintf("Unknown Error (%d) occurred.", code).toStdString();
    }
}

} // namespace

CHyperLink::CHyperLink(QWidget* parent)
    : QLabel(parent), m_hoverColour(palette().color(QPalette::Highlight)) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    ShowColour();
}

CHyperLink* CHyperLink::Subclass(QLabel* item) {
    auto* link = new CHyperLink(item->parentWidget());
    link->setObjectName(item->objectName());
    link->setText(item->text());
    link->setFont(item->font());
    link->setAlignment(item->alignment());
    link->setGeometry(item->geometry());
    link->setEnabled(item->isEnabled());
    link->setVisible(!item->isHidden());
    link->stackUnder(item);
    if (QWidget* parent = item->parentWidget(); parent != nullptr && parent->layout() != nullptr)
        delete parent->layout()->replaceWidget(item, link);
    delete item;
    link->Attach();
    return link;
}

void CHyperLink::Attach() {
    if (m_url.empty())
        m_url = text().toStdString();
    if (text().isEmpty())
        setText(QString::fromStdString(m_url));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    FitToText();
    setToolTip(QString::fromStdString(m_url));
}

// Shrinks the control onto its text, keeping the text where its alignment puts it, so that
// only the text itself reacts to the mouse.
void CHyperLink::FitToText() {
    const QRect place = geometry();
    int left = place.left();
    int top = place.top();
    int right = left + place.width();
    int bottom = top + place.height();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int textHeight = metrics.height();

    if (alignment() & Qt::AlignVCenter) {
        const int margin = (bottom - top - textHeight) / 2;
        top += margin;
        bottom -= margin;
    } else {
        bottom = top + textHeight;
    }
    if (alignment() & Qt::AlignHCenter) {
        const int margin = (right - left - textWidth) / 2;
        left += margin;
        right -= margin;
    } else if (alignment() & Qt::AlignRight) {
        left = right - textWidth;
    } else {
        right = left + textWidth;
    }
    setGeometry(left, top, right - left, bottom - top);
}

void CHyperLink::ShowColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     m_over ? m_hoverColour : (m_visited ? m_visitedColour : m_linkColour));
    setPalette(colours);
}

void CHyperLink::SetVisited(bool visited) {
    m_visited = visited;
    ShowColour();
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    m_over = true;
    ShowColour();
    repaint();
}

void CHyperLink::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    m_over = false;
    ShowColour();
    repaint();
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    OnClicked();
}

// The second press of a double click is not a second click: the address opens once.
void CHyperLink::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CHyperLink::OnClicked() {
    const int result = GotoURL(m_url);
    const bool opened = result > 32;
    // A failure also takes back an earlier visit.
    SetVisited(opened);
    if (!opened) {
        QApplication::beep();
        ReportError(result);
    }
}

int CHyperLink::GotoURL(const std::string& url) {
    return ShellOpen(url);
}

void CHyperLink::ReportError(int code) {
    ShowMessageBox(this, "Unable to open hyperlink:\n\n" + FailureReason(code), {}, kMbIconWarning);
}
