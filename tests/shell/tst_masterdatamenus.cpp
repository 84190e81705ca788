#include "MDIF_main.h"
#include "fixture.h"
#include "frmProvider.h"
#include "frmType.h"
#include "uidriver.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

using namespace UiDriver;

class TestMasterDataMenus : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void eachListOpensAsAChildAndClosesForTheNext()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);

        main->findChild<QAction*>(QStringLiteral("GYSXXWH"))->trigger();
        QCOMPARE(childForms(main).size(), 1);
        QPointer<QWidget> suppliers = qobject_cast<frmProvider*>(childForms(main).first());
        QVERIFY(suppliers);
        QCOMPARE(suppliers->windowTitle(), QStringLiteral("供应商资料(双击表格记录可以修改)"));

        main->findChild<QAction*>(QStringLiteral("S61"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!suppliers);
        QCOMPARE(childForms(main).size(), 1);
        QPointer<QWidget> categories = qobject_cast<frmType*>(childForms(main).first());
        QVERIFY(categories);

        main->findChild<QAction*>(QStringLiteral("GYSXXWH"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!categories);
        QCOMPARE(childForms(main).size(), 1);
        QVERIFY(qobject_cast<frmProvider*>(childForms(main).first()));
    }

    void returnClosesTheChildWindow()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("S61"))->trigger();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
        auto* back = child<QPushButton>(childForms(main).first(), QStringLiteral("ComRtn1"));
        QVERIFY(back);
        back->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
};

VARNHOLT_TEST(TestMasterDataMenus)
#include "tst_masterdatamenus.moc"
