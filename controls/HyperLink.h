#pragma once

#include <string>

#include <QColor>
#include <QLabel>

// A text that is a link: underlined in the link colour, in the hover colour while the mouse is
// over it and in the visited colour once it has been followed; a hand cursor and the address as
// tooltip. A click opens the address with the desktop, or failing that with the registered
// browser, and explains a failure in a message box.
class CHyperLink : public QLabel {
    Q_OBJECT

public:
    explicit CHyperLink(QWidget* parent = nullptr);

    // Takes the place of a text item of a form (same parent, place, text, font and alignment),
    // deletes the item and attaches. The item must not be in the middle of its own event.
    static CHyperLink* Subclass(QLabel* item);

    // The address; without one, Attach takes the text.
    void SetURL(const std::string& url) { m_url = url; }
    const std::string& URL() const { return m_url; }

    // Makes the current text a link: exchanges text and address where one of them is empty,
    // underlines, fits the control to its text and sets the tooltip. Call once, after the text
    // and the place are set.
    void Attach();

    void SetVisited(bool visited);
    bool IsVisited() const { return m_visited; }

    // Opens an address; returns a ShellOpenCode (above 32 is success).
    int GotoURL(const std::string& url);
    // Shows why an address could not be opened.
    void ReportError(int code);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnClicked();
    void FitToText();
    void ShowColour();

    const QColor m_linkColour{0, 0, 238};
    const QColor m_visitedColour{85, 26, 139};
    const QColor m_hoverColour;
    bool m_over = false;
    bool m_visited = false;
    std::string m_url;
};
