#include "platform/qt/FormView.h"

#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"

// The form may grow with the view but never shrinks below its template's size: a view larger
// than the form shows the form's background beyond the controls, a smaller one scrolls.
CFormView::CFormView(QWidget* parent) : QScrollArea(parent), m_form(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(m_form);
}

bool CFormView::CreateForm(int templateId, const ControlFactories& factories) {
    DialogTemplate form;
    ResourceError error;
    if (!LoadDialogTemplate(templateId, form, error)) {
        qWarning("Cannot build the form: %s", error.Describe().c_str());
        return false;
    }
    BuildForm(form, *m_form, factories);
    m_formSize = m_form->size();
    m_form->setMinimumSize(m_formSize);
    return true;
}

QSize CFormView::sizeHint() const {
    return m_formSize.isEmpty() ? QScrollArea::sizeHint() : m_formSize;
}
