#pragma once

#include <QDialog>

class CHyperLink;

// The About box, one for every language: the program's icon, the version, copyright and
// description texts of the configuration file, and the update address as a link, hidden when
// the configuration gives none.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Shows the box modally; -1 when its template is missing.
    int DoModal();
    // Caption and texts in the current language, then the link.
    bool OnInitDialog();

    CHyperLink* m_updateLink = nullptr;

private:
    bool m_built = false;
};
