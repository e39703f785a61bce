#pragma once

#include <QPixmap>
#include <QStatusBar>

class CLinkPane;
class CWeatherComm;
class QLabel;

// The main frame's status bar: pane 0 holds the idle text, the command prompts and the status
// texts of the console reading; pane 1 shows whether the console is connected, as a picture.
class CMyStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit CMyStatusBar(const CWeatherComm& comm, QWidget* parent = nullptr);

    // Sets pane 0 and paints it at once, so that a text shows even while the user-interface
    // thread goes on with other work.
    void SetPaneText(const QString& text);
    QString PaneText() const;

    // Pane 1 is as wide as `text` in the status bar's font.
    void SetLinkPaneWidthText(const QString& text);
    // Draws pane 1 again with the link state of that moment.
    void InvalidateLinkPane();
    QWidget& LinkPane() const;

private:
    QLabel* m_textPane;
    CLinkPane* m_linkPane;
};
