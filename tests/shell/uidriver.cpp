#include "uidriver.h"
#include "MDIF_main.h"
#include "messagebox.h"
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

void UiDriver::fillBoxes(QWidget* form, const QStringList& boxNames, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        auto* box = child<QLineEdit>(form, boxNames[i]);
        QVERIFY2(box, qPrintable(boxNames[i]));
        box->clear();
        typeText(box, texts[i]);
    }
}

QStringList UiDriver::boxTexts(const QWidget* form, const QStringList& boxNames)
{
    QStringList texts;
    for (const QString& name : boxNames)
        texts << form->findChild<QLineEdit*>(name)->text();
    return texts;
}

void UiDriver::enterThrough(QWidget* form, const QStringList& boxNames, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(form->focusWidget(), child<QWidget>(form, boxNames[i]));
        typeText(form->focusWidget(), texts[i]);
        if (i == texts.size() - 1)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    }
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
