#include "dialogs/LanguageDlg.h"

#include "dialogs/ConsoleAccess.h"
#include "dialogs/OperationQuestion.h"
#include "platform/qt/DataExchange.h"
#include "program/LanguageSwitch.h"
#include "resources/ResourceIds.h"
#include "texts/TextEntries.h"

#include <QComboBox>

namespace {

constexpr TextEntry kLanguageItemTexts[] = {kTextEnglish, kTextGerman, kTextDanish};

// The controls whose captions follow the picked language.
struct Label {
    int id;
    TextEntry text;
};
constexpr Label kLabels[] = {
    {IDC_LANGUAGE_GROUP, kTextLanguageGroup},
    {IDC_SAVE, kTextSave},
    {IDCANCEL, kTextCancel},
};

// A text of the table in language `lang` rather than the program's current one.
std::string TextIn(TextEntry entry, int lang) {
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
        for (const TextEntry item : kLanguageItemTexts)
            list->addItem(QString::fromStdString(TextIn(item, m_selected)));
    }
    setWindowTitle(QString::fromStdString(TextIn(kTextLanguageCaption, m_selected)));
    for (const Label& label : kLabels)
        SetDlgItemText(label.id, TextIn(label.text, m_selected));
    // Emptying the list took its selection.
    UpdateData(false);
}

void CLanguageDlg::OnSave() {
    if (!UpdateData(true))
        return;
    // Asked in the language the program speaks now, whatever the list shows.
    if (!ConfirmOperation(*this, kTextRestartQuestion, kTextLanguageNotify))
        return;
    CConsoleAccess console(*this, g_weatherComm, kTextDeviceBusy);
    if (!console.IsTaken())
        return;
    const LanguageSwitch result = SaveLanguageAndRestart(m_selected);
    if (result != LanguageSwitch::kRestarting) {
        MessageBox(LanguageSwitchFailureText(result));
        return;
    }
    // No console access starts while the program goes down.
    console.KeepTaken();
    EndDialog(IDOK);
}
