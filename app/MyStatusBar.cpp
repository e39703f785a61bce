#include "app/MyStatusBar.h"

#include "platform/qt/ResourceLibrary.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

// Pane 1: the link picture, stretched over the whole pane, of the state at the time of drawing.
class CLinkPane : public QWidget {
public:
    CLinkPane(const CWeatherComm& comm, QWidget* parent)
        : QWidget(parent), m_comm(comm), m_linkUp(LoadBitmapResource(IDB_LINK_UP)),
          m_linkDown(LoadBitmapResource(IDB_LINK_DOWN)) {}

    void SetWidth(int width) {
        m_width = width;
        updateGeometry();
    }
    QSize sizeHint() const override { return {m_width, fontMetrics().height()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_comm.IsConnected() ? m_linkUp : m_linkDown);
    }

private:
    const CWeatherComm& m_comm;
    const QPixmap m_linkUp;
    const QPixmap m_linkDown;
    int m_width = 0;
};

CMyStatusBar::CMyStatusBar(const CWeatherComm& comm, QWidget* parent)
    : QStatusBar(parent), m_textPane(new QLabel(this)), m_linkPane(new CLinkPane(comm, this)) {
    setObjectName("statusBar");
    m_textPane->setObjectName("statusPane0");
    m_textPane->setTextFormat(Qt::PlainText);
    // A long text is cut at the pane's end rather than widening the window to its length.
    m_textPane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_linkPane->setObjectName("statusPane1");
    addWidget(m_textPane, 1);
    addPermanentWidget(m_linkPane);
}

void CMyStatusBar::SetPaneText(const QString& text) {
    m_textPane->setText(text);
    m_textPane->repaint();
}

QString CMyStatusBar::PaneText() const {
    return m_textPane->text();
}

void CMyStatusBar::SetLinkPaneWidthText(const QString& text) {
    m_linkPane->SetWidth(fontMetrics().horizontalAdvance(text));
}

QWidget& CMyStatusBar::LinkPane() const {
    return *m_linkPane;
}

void CMyStatusBar::InvalidateLinkPane() {
    m_linkPane->update();
}
