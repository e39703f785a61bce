#include "app/MainView.h"

#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "texts/Env.h"

#include <QWidget>

namespace {

// The bare main form of the current language, in the view's place until the view is merged.
class CFormPlaceholder : public QWidget {
public:
    explicit CFormPlaceholder(QWidget* parent) : QWidget(parent) {
        DialogTemplate form;
        ResourceError error;
        if (LoadDialogTemplate(static_cast<int>(ResourceId(kMainFormRow)), form, error))
            BuildForm(form, *this);
    }
    void OnInitialUpdate() {}
    void ToggleBells() {}
};

} // namespace

MainView CreateMainView(QWidget* parent) {
    return MakeMainView<CFormPlaceholder>(parent);
}
