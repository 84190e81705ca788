#include "MDIF_main.h"
#include "fixture.h"
#include "frmGoods.h"
#include "frmGoodsSum.h"
#include "uidriver.h"

#include <QAction>
#include <QPointer>

using namespace UiDriver;

class TestGoodsAnalysisMenu : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void toolbarButtonOpensTheAnalysisInPlaceOfTheOpenWindow()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("HPXXWH"))->trigger();
        QPointer<QWidget> goods = qobject_cast<frmGoods*>(childForms(main).value(0));
        QVERIFY(goods);

        auto* button = main->findChild<QAction*>(QStringLiteral("Toolbar1_11"));
        QCOMPARE(button->text(), QStringLiteral("数据分析"));
        button->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!goods);
        QCOMPARE(childForms(main).size(), 1);
        auto* analysis = qobject_cast<frmGoodsSum*>(childForms(main).first());
        QVERIFY(analysis);
        QVERIFY(analysis->isVisible());
        QCOMPARE(analysis->windowTitle(), QStringLiteral("商品进销存统计明细表"));
    }
};

VARNHOLT_TEST(TestGoodsAnalysisMenu)
#include "tst_goodsanalysismenu.moc"
