#include "MDIF_main.h"
#include "fixture.h"
#include "frmCheck1.h"
#include "frmIn1.h"
#include "frmOther1.h"
#include "frmOut1.h"
#include "operatorbook.h"
#include "uidriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>

using namespace UiDriver;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {
// The control a focused widget belongs to: a date box's own edit is the date box.
QString controlName(QWidget* widget)
{
    while (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_"))))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

// The controls Tab visits from the slip number round to it again; a date box
// whose Tab walks its year, month and day counts once.
QStringList tabChain(QWidget* form)
{
    auto* start = form->findChild<QLineEdit*>(QStringLiteral("Textid"));
    start->setFocus(Qt::TabFocusReason);
    QStringList chain{controlName(QApplication::focusWidget())};
    for (int step = 0; step < 80; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = controlName(QApplication::focusWidget());
        if (name == chain.first())
            break;
        if (name != chain.last())
            chain << name;
    }
    return chain;
}
}

class TestSlipEntryTabs : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // The header's boxes Enter does not walk, in reading order; the ones it
    // walks, in its order, into the goods boxes, quantity and price; then the
    // options, the picker buttons, the lists, the cash and the buttons.
    // The search options are one stop, entered at the first as Qt enters a
    // row of exclusive options. Boxes only the program fills take no stop,
    // nor does a disabled date.
    void tabFollowsTheEnterChainThenTheReadingOrder_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("frmIn1") << QStringLiteral("管理员") << Opener([] {
            return new frmIn1;
        }) << QStringList{"Textid",    "DTPicker0", "TextOperator", "TextBZ",    "TextDiscount", "TextProvider", "TextName3",
                          "TextName2", "TextName",  "TextQty",      "TextPrice", "Option1",      "ComEnd",       "ListView2",
                          "ListView1", "Text3",     "cmdMoney",     "ComPD",     "ComDel",       "ComRtn"};
        QTest::newRow("frmOut1") << QStringLiteral("管理员") << Opener([] { return new frmOut1; })
                                 << QStringList{"Textid",        "DTPicker0",    "TextOperator",  "TextBZ",    "TextDiscount1",
                                                "TextOperation", "TextProvider", "TextProvider2", "TextName3", "TextName2",
                                                "TextName",      "TextQty",      "TextPrice",     "Check1",    "Option1",
                                                "ComEnd",        "ComEnd2",      "ComHome",       "ListView2", "ListView1",
                                                "Text3",         "cmdMoney",     "ComPD",         "ComDel",    "ComRtn"};
        QTest::newRow("frmCheck1") << QStringLiteral("管理员") << Opener([] {
            return new frmCheck1;
        }) << QStringList{"Textid",    "DTPicker0", "TextOperator", "TextBZ",    "TextName2", "TextName", "TextQty2",
                          "TextPrice", "Option1",   "ListView2",    "ListView1", "ComPD",     "ComDel",   "ComRtn"};
        QTest::newRow("frmOther1 by a clerk")
            << QStringLiteral("小王") << Opener([] { return new frmOther1; })
            << QStringList{"Textid",    "TextOperator", "TextBZ",    "TextDiscount", "TextName2", "TextName", "TextQty",
                           "TextPrice", "Option1",      "ListView2", "ListView1",    "ComPD",     "ComDel",   "ComRtn"};
    }
    void tabFollowsTheEnterChainThenTheReadingOrder()
    {
        QFETCH(QString, operatorName);
        QFETCH(Opener, open);
        OperatorBook::addOperator(2, QStringLiteral("小王"), QStringLiteral("店员"), QStringLiteral("1"), QStringLiteral("1"));
        auto* main = qobject_cast<MDIF_main*>(
            logIn(operatorName, operatorName == QStringLiteral("小王") ? QStringLiteral("1") : QStringLiteral("admin")));
        QVERIFY(main);
        QWidget* form = open();
        main->showChild(form);
        QVERIFY(activate(main));
        QTEST(tabChain(form), "chain");
    }
};

VARNHOLT_TEST(TestSlipEntryTabs)
#include "tst_slipentrytabs.moc"
