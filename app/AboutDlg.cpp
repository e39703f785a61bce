#include "app/AboutDlg.h"

#include "controls/HyperLink.h"
#include "program/Config.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowTitle(QString::fromUtf8(Tr(kTextAboutCaption)));
    SetDlgItemText(IDC_ABOUT_VERSION, g_aboutVersion);
    SetDlgItemText(IDC_ABOUT_COPYRIGHT, g_aboutCopyright);
    SetDlgItemText(IDC_ABOUT_DESCRIPTION, g_aboutDescription);
    auto* link = GetDlgItem<QLabel>(IDC_ABOUT_UPDATE_LINK);
    if (!link)
        return false;
    // The link takes its address from the item's text when it attaches, so the text comes first.
    if (g_aboutUpdateLink.empty())
        link->hide();
    else
        link->setText(QString::fromStdString(g_aboutUpdateLink));
    m_updateLink = CHyperLink::Subclass(link);
    return true;
}
