#include "fixture.h"
#include "mdlini.h"
#include "messagebox.h"
#include "pickers.h"
#include "stockindrive.h"

#include <QLabel>
#include <QRadioButton>

using namespace SlipEntryDrive;
using SlipBooks::execute;

namespace {
PickerForm* openPicker(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return qobject_cast<PickerForm*>(window);
    }
    return nullptr;
}

// The number of each listed row.
QStringList listed(const QWidget* picker)
{
    QStringList numbers;
    for (const QStringList& row : shownRows(control<QTreeView>(picker, "ListView1")))
        numbers << row.value(0);
    return numbers;
}

QString hint(const QWidget* picker) { return control<QLabel>(picker, "Label2")->text(); }

QStringList customerSetting()
{
    QStringList values;
    for (const char* section : {"option5", "option6", "option7", "option8"})
        values << mdlINI::ReadIni(QString::fromLatin1(section), QStringLiteral("nameC"));
    return values;
}
}

class TestPickers : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theSupplierPickerFillsTheSlipsSupplier()
    {
        execute(QStringLiteral("insert into 供应商 (编号, 名称, 地址, 电话, 联系人, 拼音码, 五笔码) values "
                               "('CJ000001', '张三商行', '东街', '138', '张三', 'ZSSH', 'XDYT'), "
                               "('CJ000002', '李四批发', NULL, '0571', '李四', 'LSPF', 'SLRW'), "
                               "('CJ000003', '中山供销', '西路', '139', '王五', 'ZSGX', 'KMWQ')"));
        auto* slip = open();
        fill(control(slip, "TextProvider"), QStringLiteral("旧"));
        press(slip, Qt::Key_End);
        PickerForm* picker = openPicker("frmIn11");
        QVERIFY(picker);
        QCOMPARE(picker->windowTitle(), QStringLiteral("供应商选择"));
        QVERIFY(!picker->isModal());
        QCOMPARE(listed(picker), (QStringList{"CJ000001", "CJ000002", "CJ000003"}));
        QCOMPARE(shownRows(control<QTreeView>(picker, "ListView1")).at(1),
                 (QStringList{"CJ000002", "李四批发", "", "0571", "李四", "LSPF", "SLRW"}));
        QCOMPARE(hint(picker), QStringLiteral("输入拼音码筛选"));
        QApplication::setActiveWindow(picker);
        QCOMPARE(focusedName(picker), QStringLiteral("TextName"));

        auto* filter = control(picker, "TextName");
        fill(filter, QStringLiteral("zs"));
        QCOMPARE(listed(picker), (QStringList{"CJ000001", "CJ000003"}));
        fill(filter, QStringLiteral("z'"));
        QCOMPARE(listed(picker), QStringList());
        fill(filter, QStringLiteral(" "));
        QCOMPARE(listed(picker).size(), 3);

        control<QRadioButton>(picker, "Option3")->click();
        QCOMPARE(hint(picker), QStringLiteral("输入编号筛选"));
        QCOMPARE(listed(picker).size(), 3);
        fill(filter, QStringLiteral("3"));
        QCOMPARE(listed(picker), QStringList{"CJ000003"});

        // Asked for again, the same picker comes forward as it was.
        QApplication::setActiveWindow(slip);
        press(slip, Qt::Key_End);
        QCOMPARE(openPicker("frmIn11"), picker);
        QCOMPARE(filter->text(), QStringLiteral("3"));

        QApplication::setActiveWindow(picker);
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(focusedName(picker), QStringLiteral("ListView1"));
        QTest::keyClick(control<QTreeView>(picker, "ListView1"), Qt::Key_Return);
        QVERIFY(!openPicker("frmIn11"));
        QCOMPARE(text(slip, "TextProvider"), QStringLiteral("中山供销"));
        QApplication::setActiveWindow(slip);
        QCOMPARE(focusedName(slip), QStringLiteral("TextName3"));
    }

    void escClosesAPickerWithoutAChoice()
    {
        execute(QStringLiteral("insert into 供应商 (编号, 名称, 拼音码) values ('CJ000001', '张三商行', 'ZSSH')"));
        auto* slip = open();
        control<QRadioButton>(slip, "Option1")->click();
        slip->ComEnd_Click();
        PickerForm* picker = openPicker("frmIn11");
        QVERIFY(picker);
        QApplication::setActiveWindow(picker);
        control<QTreeView>(picker, "ListView1")->setFocus();
        QTest::keyClick(control<QTreeView>(picker, "ListView1"), Qt::Key_Escape);
        QVERIFY(!openPicker("frmIn11"));
        QCOMPARE(text(slip, "TextProvider"), QString());

        // A picker never writes into a slip closed before the choice.
        slip->ComEnd_Click();
        QPointer<PickerForm> left = openPicker("frmIn11");
        QVERIFY(left);
        press(slip, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!left);
    }

    void theCustomerPickerSearchesAsTheCustomerListLastChose()
    {
        execute(QStringLiteral("insert into 客户 (编号, 名称, 电话, 拼音码, 五笔码) values "
                               "('KH000001', '王五', '13812345678', 'WW', 'GGG'), "
                               "('KH000002', '赵六', '0571-1380', 'ZL', 'FHU'), "
                               "('KH000003', '无码', '139', NULL, 'FQK')"));
        const QString t = QStringLiteral("True");
        const QString f = QStringLiteral("False");
        for (const auto& [section, value] : {std::pair{"option5", f}, {"option6", t}, {"option7", f}, {"option8", f}})
            mdlINI::WriteIni(QString::fromLatin1(section), QStringLiteral("nameC"), value);

        QWidget slip;
        QList<PickedRecord> chosen;
        PickerForm::open<frmOut11>(&slip, [&chosen](const PickedRecord& customer) { chosen << customer; });
        PickerForm* picker = openPicker("frmOut11");
        QVERIFY(picker);
        QCOMPARE(picker->windowTitle(), QStringLiteral("客户选择"));
        QVERIFY(control<QRadioButton>(picker, "Option6")->isChecked());
        QCOMPARE(hint(picker), QStringLiteral("输入五笔码筛选"));
        // The first list is by pinyin code, before the setting.
        QCOMPARE(listed(picker), (QStringList{"KH000001", "KH000002"}));
        fill(control(picker, "TextName"), QStringLiteral("F"));
        QCOMPARE(listed(picker), (QStringList{"KH000002", "KH000003"}));

        control<QRadioButton>(picker, "Option8")->click();
        QCOMPARE(hint(picker), QStringLiteral("输入电话号筛选"));
        fill(control(picker, "TextName"), QStringLiteral("138"));
        QCOMPARE(listed(picker), (QStringList{"KH000001", "KH000002"}));
        clickRow(control<QTreeView>(picker, "ListView1"), 1);
        doubleClickRow(control<QTreeView>(picker, "ListView1"), 1);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().name + chosen.first().number, QStringLiteral("赵六KH000002"));
        QCOMPARE(customerSetting(), (QStringList{f, t, f, f}));

        // With no option chosen the pinyin code is searched.
        for (const char* section : {"option5", "option6", "option7", "option8"})
            mdlINI::WriteIni(QString::fromLatin1(section), QStringLiteral("nameC"), f);
        PickerForm::open<frmOut11>(&slip, [](const PickedRecord&) {});
        picker = openPicker("frmOut11");
        QVERIFY(picker && control<QRadioButton>(picker, "Option5")->isChecked());
        fill(control(picker, "TextName"), QStringLiteral("zl"));
        QCOMPARE(listed(picker), QStringList{"KH000002"});
    }

    void theSalesmanPickerIsModalAndAlwaysStartsOnPinyin()
    {
        execute(QStringLiteral("insert into 业务员 (编号, 姓名, 拼音码, 五笔码) values "
                               "('YW000001', '小李', 'XL', 'IS'), ('YW000002', '小张', 'XZ', 'IX'), "
                               "('YW000010', '老王', 'LW', 'FG')"));
        QWidget slip;
        slip.show();
        QList<PickedRecord> chosen;
        for (int opening = 0; opening < 2; ++opening) {
            whenModal([](QDialog* picker) {
                QCOMPARE(picker->objectName(), QStringLiteral("frmOut16"));
                QCOMPARE(picker->windowTitle(), QStringLiteral("业务员选择"));
                QVERIFY(control<QRadioButton>(picker, "Option1")->isChecked());
                QCOMPARE(hint(picker), QStringLiteral("输入拼音码筛选"));
                control<QRadioButton>(picker, "Option3")->click();
                QCOMPARE(hint(picker), QStringLiteral("输入编号筛选"));
                fill(control(picker, "TextName"), QStringLiteral("0001"));
                QCOMPARE(listed(picker), (QStringList{"YW000001", "YW000010"}));
                doubleClickRow(control<QTreeView>(picker, "ListView1"), 1);
            });
            PickerForm::open<frmOut16>(&slip, [&chosen](const PickedRecord& salesman) { chosen << salesman; });
        }
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.last().name, QStringLiteral("老王"));

        whenModal([](QDialog* picker) { QTest::keyClick(control(picker, "TextName"), Qt::Key_Escape); });
        PickerForm::open<frmOut16>(&slip, [&chosen](const PickedRecord& salesman) { chosen << salesman; });
        QCOMPARE(chosen.size(), 2);
    }
};

VARNHOLT_TEST(TestPickers)
#include "tst_pickers.moc"
