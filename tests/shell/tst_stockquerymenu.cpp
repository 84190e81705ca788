#include "MDIF_main.h"
#include "fixture.h"
#include "frmStock.h"
#include "uidriver.h"

#include <QAction>
#include <QMdiArea>
#include <QTest>

using namespace UiDriver;

class TestStockQueryMenu : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theToolbarButtonOpensTheStockQueryAlone()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->showChild(new QWidget);
        main->findChild<QAction*>(QStringLiteral("Toolbar1_5"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(childForms(main).size(), 1);
        auto* form = qobject_cast<frmStock*>(childForms(main).first());
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("库存商品管理"));

        QVERIFY(activate(main));
        QTest::keyClick(main->focusWidget() ? main->focusWidget() : form, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
};

VARNHOLT_TEST(TestStockQueryMenu)
#include "tst_stockquerymenu.moc"
