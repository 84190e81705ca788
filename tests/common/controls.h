#pragma once
// A form's controls found by their designed names; a missing one fails the test.
#include <QLineEdit>
#include <QTest>

template <typename T = QLineEdit>
T* control(const QWidget* form, const char* name)
{
    T* found = form->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        QTest::qFail(QByteArray("no control ") + name, __FILE__, __LINE__);
    return found;
}

inline QString text(const QWidget* form, const char* name) { return control(form, name)->text(); }
