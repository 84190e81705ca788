#include "busyform.h"

BusyForm::BusyForm(QWidget* form)
    : m_form(form)
    , m_deleteOnClose(form->testAttribute(Qt::WA_DeleteOnClose))
    , m_wasVisible(form->isVisible())
{
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

BusyForm::~BusyForm()
{
    if (!m_form)
        return;
    m_form->setAttribute(Qt::WA_DeleteOnClose, m_deleteOnClose);
    if (m_deleteOnClose && m_wasVisible && !m_form->isVisible())
        m_form->deleteLater();
}
