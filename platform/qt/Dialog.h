#pragma once

#include "platform/Sizer.h"
#include "platform/qt/ControlFactories.h"
#include "platform/qt/MessageBox.h"
#include "texts/Env.h"

#include <ctime>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include <QDialog>

class CDataExchange;
class QComboBox;

// End codes of a dialog, and the ids of its OK and Cancel buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// What a control tells its dialog. Selection and date-time changes come only from the user,
// never from the program setting the control; a loss of focus comes every time.
enum class Notification {
    kClicked,        // a push button, check box or radio button was clicked
    kSelChange,      // the user picked another item of a drop-down or list box
    kKillFocus,      // an edit lost the keyboard focus
    kDateTimeChange, // the user changed a date or time picker
};

// A pause of a busy wait on the user-interface thread: the events keep being handled, so that a
// thread that holds a flag while it sends to this one can finish; what the user does waits, so
// that no handler of a dialog runs again in the middle of its own wait. It ends at once when the
// system asks the program to end. Off that thread, a plain sleep.
void PauseHandlingEvents(int milliseconds);

// One anchored control of a resizable dialog (see platform/Sizer.h for the types).
struct ControlAnchor {
    int id;
    SizerAnchor anchor;
};

// The one way a window of the program's record tools is made: the template of its id (one
// per language, or one for all) built into widgets, the controls' notifications routed to
// handlers by control id, data exchange and validation between controls and members, and a
// modal or modeless run.
//
// A derived dialog maps its handlers in its constructor (MessageMap or On), exchanges its data
// in DoDataExchange and sets itself up in OnInitDialog. IDOK (button 1) runs OnOK and IDCANCEL
// (button 2, Escape, the window's close box) OnCancel unless the dialog maps them otherwise.
// Enter presses the template's default push button and nothing else.
class CDialog : public QDialog {
    Q_OBJECT

public:
    // A translated dialog: its template is the row's resource id in the current language.
    // The controls are built at once; `factories` put widgets of the dialog's own in place of
    // template controls (a chart, a list of its own).
    CDialog(ResourceRow row, QWidget* parent, const ControlFactories& factories = {});
    // A dialog with one template for every language.
    CDialog(int templateId, QWidget* parent, const ControlFactories& factories = {});
    ~CDialog() override;

    int TemplateId() const { return m_templateId; }
    // False when the template could not be read: the dialog has no controls and cannot run.
    bool IsBuilt() const { return m_built; }

    // Runs the dialog modally: OnInitDialog, then the user, until EndDialog. Returns the end
    // code; -1 when the template could not be read. A dialog that ends itself in OnInitDialog
    // is never shown.
    int DoModal();
    // A modeless dialog: builds and initialises it once, hidden; false when the template could
    // not be read or the dialog ended itself in OnInitDialog. Show it with show(); Cancel hides
    // it again and the object stays.
    bool Create();
    // Ends a modal run with `code` (also from OnInitDialog); hides a modeless dialog.
    void EndDialog(int code);
    bool IsModal() const { return m_modal; }
    // Escape and the close box arrive here as IDCANCEL; accept is IDOK.
    void reject() override;
    void accept() override;

    // Controls to members (true) with validation, or members to controls (false). A failed
    // validation has shown its message and put the focus on the offending edit; it returns
    // false.
    bool UpdateData(bool saveAndValidate = true);

    // The control of that id, or nullptr.
    QWidget* GetDlgItem(int id) const;
    template <class Widget>
    Widget* GetDlgItem(int id) const {
        return qobject_cast<Widget*>(GetDlgItem(id));
    }

    // The caption of a static, button or group box, the text of an edit, the shown text of a
    // drop-down (the selected item's); "" for none.
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    void EnableDlgItem(int id, bool enable);
    void ShowDlgItem(int id, bool show);
    // Check state of a check box: 0 clear, 1 checked, 2 indeterminate.
    int IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, int state);
    // Whether the user has typed in the edit since it was built or the flag was last cleared;
    // the program setting its text never clears it.
    bool IsEditModified(int id) const;
    // Sets or clears that flag: a handler clears it once it has acted on what was typed.
    void SetEditModified(int id, bool modified);

    // Drop-downs: selection (-1 none) and items. Setting them notifies nobody.
    QComboBox* Combo(int id) const;
    int GetCurSel(int id) const;
    void SetCurSel(int id, int index);

    // Date and time pickers in local time, seconds included. Setting one notifies nobody.
    time_t GetPickerTime(int id) const;
    void SetPickerTime(int id, time_t time);

    // Every check box of the dialog (auto or not, in template order) set to `state`, as the
    // "all on" and "all off" buttons of the dialogs do.
    void CheckAllBoxes(int state);

    // A message box or question owned by this dialog (see ShowMessageBox).
    MessageBoxAnswer MessageBox(const std::string& text, const std::string& caption = {},
                                unsigned style = kMbOk);

    template <class Dialog>
    struct MessageEntry {
        Notification notification;
        int id;
        void (Dialog::*handler)();
    };

    // Routes a notification of control `id` to `handler`, in place of any handler before.
    // Handlers may be mapped in the constructor: the controls exist from then on.
    void On(Notification notification, int id, std::function<void()> handler);
    // A table of handlers of a derived dialog, as a message map lists them.
    template <class Dialog>
    void MessageMap(std::initializer_list<MessageEntry<Dialog>> entries) {
        for (const MessageEntry<Dialog>& entry : entries) {
            On(entry.notification, entry.id,
               [this, handler = entry.handler] { (static_cast<Dialog*>(this)->*handler)(); });
        }
    }

    // Called once before the dialog shows (by DoModal or Create). The base exchanges the members
    // into the controls and returns true.
    virtual bool OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // The base takes the controls into the members and, when that succeeded, ends with IDOK.
    virtual void OnOK();
    // The base ends with IDCANCEL (hides a modeless dialog).
    virtual void OnCancel();
    // The client area's new size, after every resize; the base moves the anchored controls.
    virtual void OnSize(int width, int height);

    // Anchors the controls for the dialog's resizing, from their present places: the dialog
    // cannot be made smaller than it is now, and the controls follow its edges by their anchors.
    void AnchorControls(std::initializer_list<ControlAnchor> anchors);
    const CSizerGroup* Sizers() const { return m_sizers.get(); }

    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const ControlFactories& factories);
    void ApplyWindowStyle(unsigned style);
    void ConnectNotifications(QWidget* control, int id);
    void Notify(Notification notification, int id);
    void Initialise();

    int m_templateId;
    bool m_built = false;
    bool m_initialised = false;
    bool m_modal = false;
    bool m_ended = false; // EndDialog was called during this run (also from OnInitDialog)
    std::map<std::pair<Notification, int>, std::function<void()>> m_handlers;
    std::unique_ptr<CSizerGroup> m_sizers;
};
