#pragma once

#include "platform/qt/Dialog.h"

class CHyperLink;

// The About box, one for every language: the program's icon, the version, copyright and
// description texts of the configuration file, and the update address as a link, hidden when
// the configuration gives none.
class CAboutDlg : public CDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Caption and texts in the current language, then the link.
    bool OnInitDialog() override;

    CHyperLink* m_updateLink = nullptr;
};
