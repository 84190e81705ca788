#include "MDIF_main.h"
#include "fixture.h"
#include "frmCompany.h"
#include "frmOperation.h"
#include "uidriver.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

using namespace UiDriver;

class TestSalesmanShopMenus : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void salesmenOpenAsAChildWindow()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("YWYSZ"))->trigger();
        const QList<QMdiSubWindow*> windows = main->mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 1);
        QPointer<frmOperation> salesmen = qobject_cast<frmOperation*>(windows.first()->widget());
        QVERIFY(salesmen);
        QCOMPARE(salesmen->windowTitle(), QStringLiteral("业务员资料(双击表格可以修改)"));

        child<QPushButton>(salesmen, QStringLiteral("ComRtn"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!salesmen);
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }

    void shopDetailsOpenOnceAboveTheMainWindow()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("YWYSZ"))->trigger();
        main->findChild<QAction*>(QStringLiteral("DPXX"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The open child window was closed first.
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
        QPointer<frmCompany> shop = window<frmCompany>(QStringLiteral("frmCompany"));
        QVERIFY(shop);
        QVERIFY(shop->windowFlags() & Qt::WindowStaysOnTopHint);

        main->findChild<QAction*>(QStringLiteral("DPXX"))->trigger();
        QCOMPARE(window<frmCompany>(QStringLiteral("frmCompany")), shop.data());
        QCOMPARE(main->findChildren<frmCompany*>().size(), 1);

        child<QPushButton>(shop, QStringLiteral("Command2"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shop);
    }
};

VARNHOLT_TEST(TestSalesmanShopMenus)
#include "tst_salesmanshopmenus.moc"
