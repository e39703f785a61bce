#include "dialogs/LanguageDlg.h"

#include "platform/qt/DataExchange.h"
#include "program/LanguageSwitch.h"
#include "resources/ResourceIds.h"
#include "texts/TextEntries.h"

#include <QComboBox>

namespace {

constexpr int kCaptionText = 57;                   // the dialog's caption
constexpr int kLanguageItemTexts[] = {58, 59, 60}; // English, German, Danish

// The controls whose captions follow the picked language.
struct Label {
    int id;
    int text;
};
constexpr Label kLabels[] = {
    {IDC_LANGUAGE_GROUP, 56},
    {IDC_SAVE, 76},
    {IDCANCEL, 77},
};

// A text of the table in language `lang` rather than the program's current one.
std::string TextIn(int entry, int lang) {
    return TextTable[entry][lang];
}

} // namespace

CLanguageDlg::CLanguageDlg(QWidget* parent) : CDialog(IDD_LANGUAGE, parent) {
    MessageMap<CLanguageDlg>({
        {Notification::kSelChange, IDC_LANGUAGE_LIST, &CLanguageDlg::OnSelchangeLanguage},
        {Notification::kClicked, IDC_SAVE, &CLanguageDlg::OnSave},
    });
}

bool CLanguageDlg::OnInitDialog() {
    m_selected = g_lang;
    CDialog::OnInitDialog();
    Relabel();
    return true;
}

void CLanguageDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_CBIndex(dx, IDC_LANGUAGE_LIST, m_selected);
}

void CLanguageDlg::OnSelchangeLanguage() {
    Relabel();
}

void CLanguageDlg::Relabel() {
    if (!UpdateData(true) || m_selected < 0)
        return;
    if (QComboBox* list = Combo(IDC_LANGUAGE_LIST)) {
        list->clear();
        for (const int item : kLanguageItemTexts)
            list->addItem(QString::fromStdString(TextIn(item, m_selected)));
    }
    setWindowTitle(QString::fromStdString(TextIn(kCaptionText, m_selected)));
    for (const Label& label : kLabels)
        SetDlgItemText(label.id, TextIn(label.text, m_selected));
    // Emptying the list took its selection.
    UpdateData(false);
}

void CLanguageDlg::OnSave() {
    if (!UpdateData(true))
        return;
    // Asked in the language the program speaks now, whatever the list shows.
    if (MessageBox(Tr(kTextRestartQuestion), Tr(kTextLanguageNotify), kMbYesNo | kMbIconQuestion) !=
        kIdYes)
        return;
    CBusyGuard device = WaitAndTakeDevice();
    if (!device.IsTaken()) {
        MessageBox(Tr(kTextDeviceBusy));
        return;
    }
    const LanguageSwitch result = SaveLanguageAndRestart(m_selected);
    if (result != LanguageSwitch::kRestarting) {
        MessageBox(LanguageSwitchFailureText(result));
        return;
    }
    // No console access starts while the program goes down.
    device.KeepTaken();
    EndDialog(IDOK);
}
