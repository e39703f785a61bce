#pragma once

#include "platform/qt/Dialog.h"

// The choice of the user-interface language, one template for all three. While the user picks
// a language the dialog relabels itself in it; Save stores the choice in the configuration
// file and restarts the program in it, since every window is built in one language.
class CLanguageDlg : public CDialog {
    Q_OBJECT

public:
    explicit CLanguageDlg(QWidget* parent);

    // The language picked in the list: 0 English, 1 German, 2 Danish.
    int m_selected = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void OnSelchangeLanguage();
    void OnSave();
    // Every text of the dialog, and the list's items, in the picked language.
    void Relabel();
};
