#include "fixture.h"
#include "inifile.h"
#include "mdlini.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QRadioButton>

using namespace SlipEntryDrive;

namespace {
QStringList searchSetting()
{
    QStringList values;
    for (const char* section : {"option1", "option2", "option3", "option4"})
        values << mdlINI::ReadIni(QString::fromLatin1(section), QStringLiteral("name"));
    return values;
}

QString chosenOption(const QWidget* form)
{
    for (const char* name : {"Option1", "Option2", "Option3", "Option4"}) {
        if (control<QRadioButton>(form, name)->isChecked())
            return QString::fromLatin1(name);
    }
    return {};
}

// Code and stock of each listed goods.
QStringList listed(const QWidget* form)
{
    QStringList goods;
    for (const QString& row : rows(form, "ListView2")) {
        const QStringList cells = row.split(QStringLiteral(" | "));
        goods << cells.value(0) + QLatin1Char(' ') + cells.value(2);
    }
    return goods;
}
}

class TestGoodsLookup : public VarnholtTestCase {
    Q_OBJECT

    void putShop()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"), QStringLiteral("690001"));
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"), QStringLiteral("690001"),
                 QStringLiteral("3"));
        putGoods(QStringLiteral("SP000003"), QStringLiteral("可乐零度"), QStringLiteral("KLLD"), {}, QStringLiteral("4"),
                 QStringLiteral("二号架"));
        putGoods(QStringLiteral("SP000004"), QStringLiteral("无码"), {});
        SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("12.5"), QStringLiteral("100"));
    }

private slots:

    void theFilterListsGoodsByTheChosenCodeWithTheirStock()
    {
        putShop();
        auto* form = open();
        // The first fill is by barcode, before the setting is restored.
        QCOMPARE(listed(form), (QStringList{QStringLiteral("SP000001 12.5"), QStringLiteral("SP000002 0")}));
        control<QRadioButton>(form, "Option1")->click();
        fill(control(form, "TextName2"), QStringLiteral("kl"));
        QCOMPARE(listed(form), (QStringList{QStringLiteral("SP000001 12.5"), QStringLiteral("SP000003 0")}));
        QCOMPARE(rows(form, "ListView2").last().split(QStringLiteral(" | ")).value(8), QStringLiteral("二号架"));
        // A quote is just a character.
        fill(control(form, "TextName2"), QStringLiteral("k'"));
        QCOMPARE(listed(form), QStringList());
        // Blanks are trimmed; a goods without a pinyin code is not listed.
        fill(control(form, "TextName2"), QStringLiteral(" "));
        QCOMPARE(listed(form).size(), 3);
    }

    void anOptionIsWrittenAtOnceAndSearchedFromTheNextKeystroke()
    {
        putShop();
        auto* form = open();
        control<QRadioButton>(form, "Option1")->click();
        fill(control(form, "TextName2"), QStringLiteral("XB"));
        QCOMPARE(listed(form), QStringList{QStringLiteral("SP000002 0")});
        control<QRadioButton>(form, "Option2")->click();
        QCOMPARE(searchSetting(), (QStringList{QStringLiteral("False"), QStringLiteral("True"), QStringLiteral("False"),
                                               QStringLiteral("False")}));
        QCOMPARE(listed(form), QStringList{QStringLiteral("SP000002 0")});
        QTest::keyClick(control(form, "TextName2"), Qt::Key_Backspace);
        QCOMPARE(listed(form), QStringList());
    }

    // A disk that refuses the setting costs one notice; the search still
    // takes the chosen code.
    void anOptionThatCannotBeSavedIsToldOnceAndStillSearches()
    {
        putShop();
        auto* form = open();
        IniFile::setWriteFailure(QStringLiteral("No space left on device"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QRadioButton>(form, "Option1")->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().last().text.startsWith(QStringLiteral("设置未能保存：")));
        fill(control(form, "TextName2"), QStringLiteral("XB"));
        QCOMPARE(listed(form), QStringList{QStringLiteral("SP000002 0")});
    }

    void theSettingIsRestoredAtLoad_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("after");
        const QString t = QStringLiteral("True");
        const QString f = QStringLiteral("False");
        QTest::newRow("wubi") << QStringList{f, t, f, f} << QStringLiteral("Option2") << QStringList{f, t, f, f};
        QTest::newRow("the last True wins") << QStringList{t, f, t, f} << QStringLiteral("Option3") << QStringList{f, f, t, f};
        QTest::newRow("none True keeps barcode")
            << QStringList{f, f, f, f} << QStringLiteral("Option4") << QStringList{f, f, f, f};
        QTest::newRow("no setting") << QStringList{} << QStringLiteral("Option4") << QStringList{{}, {}, {}, {}};
    }
    void theSettingIsRestoredAtLoad()
    {
        putShop();
        QFETCH(QStringList, stored);
        QFETCH(QString, chosen);
        QFETCH(QStringList, after);
        for (int i = 0; i < stored.size(); ++i)
            mdlINI::WriteIni(QStringLiteral("option%1").arg(i + 1), QStringLiteral("name"), stored[i]);
        auto* form = open();
        QCOMPARE(chosenOption(form), chosen);
        QCOMPARE(searchSetting(), after);
        QCOMPARE(focusedName(form),
                 chosen == QStringLiteral("Option4") ? QStringLiteral("TextName3") : QStringLiteral("TextName2"));
        // The list always has a column to search.
        fill(control(form, "TextName2"), QStringLiteral("无"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void filterEnterLoadsTheFirstGoods()
    {
        putShop();
        auto* form = open();
        control<QRadioButton>(form, "Option1")->click();
        fillAndEnter(form, "TextName2", QStringLiteral("KL"));
        QCOMPARE(text(form, "TextName"), QStringLiteral("SP000001"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("12.5"));
        QCOMPARE(focusedName(form), QStringLiteral("TextQty"));
        // Nothing listed: the focus stays.
        fillAndEnter(form, "TextName2", QStringLiteral("QQ"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        // A double-click on a row loads it.
        fill(control(form, "TextName2"), QStringLiteral("KL"));
        doubleClickRow(control<QTreeView>(form, "ListView2"), 1);
        QCOMPARE(text(form, "TextName"), QStringLiteral("SP000003"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("4"));
    }

    void aBarcodeListsItsGoodsAndLoadsTheFirst()
    {
        putShop();
        auto* form = open();
        fillAndEnter(form, "TextName3", QStringLiteral(" 690001 "));
        QCOMPARE(listed(form), (QStringList{QStringLiteral("SP000001 12.5"), QStringLiteral("SP000002 0")}));
        QCOMPARE(text(form, "TextName"), QStringLiteral("SP000001"));
        QCOMPARE(text(form, "TextName3"), QString());
        QCOMPARE(focusedName(form), QStringLiteral("TextQty"));

        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName3", QStringLiteral("123"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("无此商品信息！"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(listed(form), QStringList());
        QCOMPARE(text(form, "TextName3"), QString());
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));

        control<QRadioButton>(form, "Option1")->click();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName3", QStringLiteral("690001"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请先选择<条形码>"));
        QCOMPARE(text(form, "TextName3"), QString());
    }

    void aCodeThatIsNoGoodsForgetsTheGoodsBefore()
    {
        putShop();
        auto* form = open();
        fillAndEnter(form, "TextName", QStringLiteral("SP000002"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("3"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", QStringLiteral(" SP000001"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("无该商品信息,请先在期初设置录入。"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0"));
        QCOMPARE(text(form, "TextName"), QStringLiteral(" SP000001"));
        QCOMPARE(focusedName(form), QStringLiteral("TextQty"));
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        fillAndEnter(form, "TextPrice", QStringLiteral("5"));
        QCOMPARE(form->lines()->rowCount(), 0);
    }

    void aReturnTakesOnlyGoodsInStock_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<bool>("taken");
        QTest::newRow("no stock row") << QString() << false;
        QTest::newRow("rounds to 0.00") << QStringLiteral("0.004") << false;
        QTest::newRow("below zero") << QStringLiteral("-2") << true;
    }
    void aReturnTakesOnlyGoodsInStock()
    {
        putShop();
        QFETCH(QString, stock);
        QFETCH(bool, taken);
        if (!stock.isEmpty())
            SlipBooks::putStock(QStringLiteral("SP000002"), stock, QStringLiteral("0"));
        auto* form = open(QStringLiteral("退货"));
        if (!taken)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", QStringLiteral("SP000002"));
        if (taken) {
            QVERIFY(MessageBox::shown().isEmpty());
            QCOMPARE(text(form, "TextName"), QStringLiteral("SP000002"));
            QCOMPARE(focusedName(form), QStringLiteral("TextQty"));
            return;
        }
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("库存中无此商品或该商品库存为0，不能进行入库退货。")});
        QCOMPARE(text(form, "TextName"), QString());
        QCOMPARE(text(form, "TextQty"), QStringLiteral("0.00"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0.00"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        // No goods is left to enter.
        fillAndEnter(form, "TextPrice", QStringLiteral("5"));
        QCOMPARE(form->lines()->rowCount(), 0);
    }
};

VARNHOLT_TEST(TestGoodsLookup)
#include "tst_goodslookup.moc"
