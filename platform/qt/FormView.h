#pragma once

#include "platform/qt/ControlFactories.h"

#include <QScrollArea>
#include <QSize>

// A view that shows a form of the resources at the size of its template, as a form view does:
// smaller than the form, the view shows a scroll bar for each direction the form does not fit
// in, and the scroll bars move the whole form (controls and background together); at the
// form's size or larger there is none, and the form's background fills the whole view.
class CFormView : public QScrollArea {
    Q_OBJECT

public:
    explicit CFormView(QWidget* parent = nullptr);

    // The controls' parent, which paints the form's background.
    QWidget& Form() const { return *m_form; }

    // Builds the template `templateId` into the form, which keeps the template's size from then
    // on. False, with an empty form, when the template cannot be loaded.
    bool CreateForm(int templateId, const ControlFactories& factories = {});

    // The template's size; empty before the form is built.
    QSize FormSize() const { return m_formSize; }
    // The size that shows the whole form.
    QSize sizeHint() const override;

private:
    QWidget* m_form;
    QSize m_formSize;
};
