#pragma once
#include "formregistry.h"

#include <QPointer>

// The assistant's forms that are shown once at a time, by their class: each
// names itself with a static formName() and loads with Form_Load().
namespace Teskarn::Forms {
template <class Form>
Form* loaded()
{
    return qobject_cast<Form*>(FormRegistry::openForm(Form::formName()));
}

// Loads the form once; a loaded one is given back as it is. Null when the
// form closed during its load.
template <class Form>
Form* load()
{
    if (Form* form = loaded<Form>())
        return form;
    // The load may show messages, in whose loops the form can be closed.
    QPointer<Form> form = new Form;
    FormRegistry::registerForm(Form::formName(), form);
    form->Form_Load();
    return form;
}

// Loads and shows the form modeless; one already loaded is only brought to
// the front. A freshly loaded form shows where it stands, unless it brings
// itself up otherwise (full screen, centred) with a showLoaded() of its own.
template <class Form>
Form* showModeless()
{
    if (Form* form = loaded<Form>()) {
        form->show();
        form->raise();
        form->activateWindow();
        return form;
    }
    Form* form = load<Form>();
    if (!form)
        return nullptr;
    if constexpr (requires { form->showLoaded(); })
        form->showLoaded();
    else
        form->show();
    return form;
}

// Called as a form closes: from then on it is not the loaded one, though it
// is deleted only later.
inline void closing(const QString& name, QWidget* form)
{
    if (FormRegistry::openForm(name) == form)
        FormRegistry::registerForm(name, nullptr);
}

template <class Form>
void unload()
{
    if (Form* form = loaded<Form>())
        form->close();
}

// Runs a fresh load of the form and unloads it without showing it; a loaded
// one closes first.
template <class Form>
void refresh()
{
    unload<Form>();
    QPointer<Form> form = new Form;
    form->Form_Load();
    delete form.data();
}
}
