#pragma once
#include "desktop.h"
#include "forms.h"
#include "hotkeys.h"
#include "search.h"
#include "testfiles.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// Drives the quick panels and their settings forms as a user does.
namespace QuickDrive {
// An executable file at the path, its folders made.
inline bool makeProgram(const QString& path)
{
    return TestFiles::writeFile(path, "#!/bin/sh\n")
           && QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

// The bar's logo pressed with that button.
inline void pressLogo(Qt::MouseButton button)
{
    QTest::mousePress(Teskarn::Forms::loaded<Teskarn::search>()->findChild<QLabel*>(QStringLiteral("Image1")), button);
}

// F1 as the bar's window receives it.
inline void pressF1()
{
    WindowMessages::send(Teskarn::Forms::loaded<Teskarn::search>()->hWnd(), HotKeys::Message, Teskarn::search::quickLaunchKey, 0);
}

// What the opener was handed, in order.
inline QStringList openedTargets()
{
    QStringList targets;
    for (const DesktopOpener::Request& request : DesktopOpener::recorded())
        targets << request.target;
    return targets;
}

template <class Control>
Control* control(QWidget* form, const QString& name)
{
    return form->findChild<Control*>(name);
}

// How many windows of that name there are.
inline int formsNamed(const QString& name)
{
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name;
    return count;
}

inline void click(QWidget* form, const QString& button) { QTest::mouseClick(control<QPushButton>(form, button), Qt::LeftButton); }
}
