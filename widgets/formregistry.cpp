#include "formregistry.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {
QHash<QString, QPointer<QWidget>>& forms()
{
    static QHash<QString, QPointer<QWidget>> byName;
    return byName;
}

// On the form itself, so the mark goes with it whoever holds it.
const char* const booksWindowMark = "booksWindow";
}

QWidget* FormRegistry::openForm(const QString& name)
{
    const auto it = forms().constFind(name);
    return it == forms().constEnd() ? nullptr : it.value().data();
}

void FormRegistry::registerForm(const QString& name, QWidget* form, Kind kind)
{
    forms().insert(name, form);
    if (form && kind == Kind::BooksWindow)
        form->setProperty(booksWindowMark, true);
}

bool FormRegistry::isBooksWindow(const QWidget* form) { return form && form->property(booksWindowMark).toBool(); }

QWidget* FormRegistry::showOnce(const QString& name, const std::function<QWidget*()>& create, Kind kind)
{
    QWidget* form = openForm(name);
    // These forms are shown while open: a hidden one was closed and only waits
    // for its deletion (Qt clears WA_DeleteOnClose as it closes it).
    if (form && form->isHidden())
        form = nullptr;
    if (!form) {
        form = create();
        registerForm(name, form, kind);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void FormRegistry::clear() { forms().clear(); }
