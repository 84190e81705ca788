#include "MDIF_main.h"
#include "fixture.h"
#include "frmDataSum.h"
#include "frmpay.h"
#include "uidriver.h"

#include <QAction>
#include <QTest>

using namespace UiDriver;

class TestExpenseMenus : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theToolbarOpensTheExpensesAndTheSummaryInTurn()
    {
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        main->findChild<QAction*>(QStringLiteral("Toolbar1_7"))->trigger();
        QList<QWidget*> forms = childForms(main);
        QCOMPARE(forms.size(), 1);
        QVERIFY(qobject_cast<frmpay*>(forms.first()));

        main->findChild<QAction*>(QStringLiteral("Toolbar1_9"))->trigger();
        forms = childForms(main);
        QCOMPARE(forms.size(), 1);
        QVERIFY(qobject_cast<frmDataSum*>(forms.first()));

        // Esc closes the child window with it.
        QVERIFY(activate(main));
        forms.first()->setFocus();
        QTest::keyClick(main->focusWidget(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(childForms(main).isEmpty());
    }
};

VARNHOLT_TEST(TestExpenseMenus)
#include "tst_expensemenus.moc"
