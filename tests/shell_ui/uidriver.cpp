#include "uidriver.h"
#include "MDIF_main.h"
#include "startvarnholt.h"
#include "typing.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

int UiDriver::openWindows(const QString& name)
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && widget->isVisible() ? 1 : 0;
    return count;
}

QList<QWidget*> UiDriver::childForms(MDIF_main* main)
{
    QList<QWidget*> forms;
    for (QMdiSubWindow* window : main->mdiArea()->subWindowList())
        forms << window->widget();
    return forms;
}

bool UiDriver::activate(QWidget* window)
{
    if (!window)
        return false;
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window, 1000);
}

QWidget* UiDriver::startLoginForm()
{
    if (!startVarnholt().runEventLoop)
        return nullptr;
    return window(QStringLiteral("frm_xtdl"));
}

void UiDriver::typeLogin(QWidget* login, const QString& name, const QString& password)
{
    auto* nameBox = child<QLineEdit>(login, QStringLiteral("Text2"));
    auto* passwordBox = child<QLineEdit>(login, QStringLiteral("Text1"));
    QVERIFY(nameBox && passwordBox);
    nameBox->setFocus();
    typeText(nameBox, name);
    QTest::keyClick(nameBox, Qt::Key_Return);
    QCOMPARE(login->focusWidget(), passwordBox);
    typeText(passwordBox, password);
    QTest::keyClick(passwordBox, Qt::Key_Return);
}

QWidget* UiDriver::logIn(const QString& name, const QString& password)
{
    QWidget* login = startLoginForm();
    if (!login)
        return nullptr;
    typeLogin(login, name, password);
    return window(QStringLiteral("MDIF_main"));
}
