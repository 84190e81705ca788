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

    static QList<QWidget*> children(MDIF_main* main)
    {
        QList<QWidget*> forms;
        for (QMdiSubWindow* window : main->mdiArea()->subWindowList())
            forms << window->widget();
        return forms;
    }

private slots:
    void eachListOpensAsAChildAndClosesForTheNext()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);

        main->findChild<QAction*>(QStringLiteral("GYSXXWH"))->trigger();
        QCOMPARE(children(main).size(), 1);
        QPointer<QWidget> suppliers = qobject_cast<frmProvider*>(children(main).first());
        QVERIFY(suppliers);
        QCOMPARE(suppliers->windowTitle(), QStringLiteral("供应商资料(双击表格记录可以修改)"));

        main->findChild<QAction*>(QStringLiteral("S61"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!suppliers);
        QCOMPARE(children(main).size(), 1);
        QPointer<QWidget> categories = qobject_cast<frmType*>(children(main).first());
        QVERIFY(categories);

        main->findChild<QAction*>(QStringLiteral("GYSXXWH"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!categories);
        QCOMPARE(children(main).size(), 1);
        QVERIFY(qobject_cast<frmProvider*>(children(main).first()));
    }

    void returnClosesTheChildWindow()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("S61"))->trigger();
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
        auto* back = child<QPushButton>(children(main).first(), QStringLiteral("ComRtn1"));
        QVERIFY(back);
        back->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
};

VARNHOLT_TEST(TestMasterDataMenus)
#include "tst_masterdatamenus.moc"
