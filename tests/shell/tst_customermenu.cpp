#include "MDIF_main.h"
#include "fixture.h"
#include "frmCustomer.h"
#include "uidriver.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

using namespace UiDriver;

class TestCustomerMenu : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void menuItemAndToolbarButtonOpenTheCustomerList()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);

        main->findChild<QAction*>(QStringLiteral("KHXXWH"))->trigger();
        QCOMPARE(childForms(main).size(), 1);
        QPointer<QWidget> fromMenu = qobject_cast<frmCustomer*>(childForms(main).first());
        QVERIFY(fromMenu);
        QCOMPARE(fromMenu->windowTitle(), QStringLiteral("会员客户资料(双击表格可以详细信息)"));
        QVERIFY(child<QPushButton>(fromMenu, QStringLiteral("ComExcel"))->isEnabled());

        main->findChild<QAction*>(QStringLiteral("Toolbar1_13"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fromMenu);
        QCOMPARE(childForms(main).size(), 1);
        QWidget* fromToolbar = childForms(main).first();
        QVERIFY(qobject_cast<frmCustomer*>(fromToolbar));

        child<QPushButton>(fromToolbar, QStringLiteral("ComRtn"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
};

VARNHOLT_TEST(TestCustomerMenu)
#include "tst_customermenu.moc"
