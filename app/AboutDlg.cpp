#include "app/AboutDlg.h"

#include "app/Config.h"
#include "controls/HyperLink.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kAboutCaptionText = 20; // "About Talvorin"
constexpr int kOkButton = 1;          // IDOK of the template

void SetItemText(const QWidget& dialog, int id, const std::string& text) {
    if (auto* item = ControlById<QLabel>(dialog, id))
        item->setText(QString::fromStdString(text));
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    DialogTemplate dialog;
    ResourceError error;
    if (!LoadDialogTemplate(IDD_ABOUTBOX, dialog, error)) {
        qWarning("%s", error.Describe().c_str());
        return;
    }
    BuildForm(dialog, *this);
    if (auto* ok = ControlById<QPushButton>(*this, kOkButton))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_built = true;
}

int CAboutDlg::DoModal() {
    if (!m_built || !OnInitDialog())
        return -1;
    return exec();
}

bool CAboutDlg::OnInitDialog() {
    setWindowTitle(QString::fromUtf8(Tr(kAboutCaptionText)));
    SetItemText(*this, IDC_ABOUT_VERSION, g_aboutVersion);
    SetItemText(*this, IDC_ABOUT_COPYRIGHT, g_aboutCopyright);
    SetItemText(*this, IDC_ABOUT_DESCRIPTION, g_aboutDescription);
    auto* link = ControlById<QLabel>(*this, IDC_ABOUT_UPDATE_LINK);
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
