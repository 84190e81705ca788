#include "fixture.h"
#include "inputdialog.h"
#include "messagebox.h"
#include "slipentrydrive.h"

#include <QLabel>
#include <QPushButton>

using namespace SlipEntryDrive;

Q_DECLARE_METATYPE(std::optional<Amount>)

namespace {
enum class Confirm { Enter, Click };

std::optional<Amount> answered(const QString& typed, Confirm confirm)
{
    whenModal([typed, confirm](QDialog* dialog) {
        auto* box = control(dialog, "Text1");
        fill(box, typed);
        if (confirm == Confirm::Enter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(control<QPushButton>(dialog, "ComOK"), Qt::LeftButton);
    });
    QWidget owner;
    return InputDialog::askNumber(&owner, QStringLiteral("frmIn15"), QStringLiteral("修改数量"), QStringLiteral("请输入数量："),
                                  QStringLiteral("数量"));
}
}

class TestInputDialog : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aNumberIsHandedBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<Amount>>("number");
        QTest::newRow("decimal") << QStringLiteral("12.5") << std::optional(Amount::fromText(QStringLiteral("12.5")));
        QTest::newRow("negative") << QStringLiteral("-3") << std::optional(Amount::whole(-3));
        QTest::newRow("leading number") << QStringLiteral("7kg") << std::optional(Amount::whole(7));
        QTest::newRow("letters") << QStringLiteral("abc") << std::optional<Amount>();
        QTest::newRow("a bare 0") << QStringLiteral("0") << std::optional<Amount>();
    }
    void aNumberIsHandedBack()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<Amount>, number);
        QCOMPARE(answered(typed, Confirm::Enter), number);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void zeroAsShownIsRefused()
    {
        whenModal([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("修改单价"));
            QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("请输入单价："));
            auto* box = control(dialog, "Text1");
            QVERIFY(box->isVisible());
            QCOMPARE(box->selectedText(), QStringLiteral("0"));
            // Untouched, and a bare 0 left for the button.
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            fill(box, QStringLiteral("0"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::mouseClick(control<QPushButton>(dialog, "ComOK"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QCOMPARE(focusedName(dialog), QStringLiteral("Text1"));
            fill(box, QStringLiteral("8"));
            QTest::mouseClick(control<QPushButton>(dialog, "ComOK"), Qt::LeftButton);
        });
        QWidget owner;
        QCOMPARE(InputDialog::askNumber(&owner, QStringLiteral("frmIn15"), QStringLiteral("修改单价"),
                                        QStringLiteral("请输入单价："), QStringLiteral("单价")),
                 std::optional(Amount::fromText(QStringLiteral("8.00"))));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{"请输入非零售数字。", "请输入非零售数字。"}));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
    }

    // A click on 确认 leaves the box and then clicks: one action, one refusal.
    // Enter afterwards is another action, told again.
    void aNumberPastTheBoxIsToldOncePerAction()
    {
        const QString typed = QStringLiteral("1000000000");
        whenModal([typed](QDialog* dialog) {
            QApplication::setActiveWindow(dialog);
            auto* box = control(dialog, "Text1");
            fill(box, typed);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::mouseClick(control<QPushButton>(dialog, "ComOK"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("数量不能大于[999999999.99]。")});
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(focusedName(dialog), QStringLiteral("Text1"));
            QCOMPARE(box->text(), typed);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(MessageBox::shown().size(), 2);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QWidget owner;
        QCOMPARE(InputDialog::askNumber(&owner, QStringLiteral("frmIn15"), QStringLiteral("修改数量"),
                                        QStringLiteral("请输入数量："), QStringLiteral("数量")),
                 std::optional<Amount>());
    }

    void cancellingHandsBackNothing()
    {
        whenModal([](QDialog* dialog) {
            fill(control(dialog, "Text1"), QStringLiteral("5"));
            QTest::keyClick(control(dialog, "Text1"), Qt::Key_Escape);
        });
        QWidget owner;
        QCOMPARE(InputDialog::askNumber(&owner, QStringLiteral("frmIn15"), {}, {}, QStringLiteral("数量")),
                 std::optional<Amount>());
        whenModal([](QDialog* dialog) {
            fill(control(dialog, "Text1"), QStringLiteral("5"));
            dialog->close();
        });
        QCOMPARE(InputDialog::askNumber(&owner, QStringLiteral("frmIn15"), {}, {}, QStringLiteral("数量")),
                 std::optional<Amount>());
    }

    void aTextIsHandedBackTrimmed()
    {
        QWidget owner;
        whenModal([](QDialog* dialog) {
            QVERIFY(!control(dialog, "Text1")->isVisible());
            QCOMPARE(control<QLabel>(dialog, "Label1")->text(), QStringLiteral("请输入单据号："));
            auto* box = control(dialog, "Text2");
            QCOMPARE(focusedName(dialog), QStringLiteral("Text2"));
            typeText(box, QStringLiteral("  张三 "));
            QTest::keyClick(control<QPushButton>(dialog, "ComRtn"), Qt::Key_Return);
        });
        QCOMPARE(InputDialog::askText(&owner, QStringLiteral("frmIn15"), QStringLiteral("查询条件"),
                                      QStringLiteral("请输入单据号：")),
                 QStringLiteral("张三"));
        whenModal([](QDialog* dialog) {
            typeText(control(dialog, "Text2"), QStringLiteral("张三"));
            QTest::keyClick(control(dialog, "Text2"), Qt::Key_Escape);
        });
        QCOMPARE(InputDialog::askText(&owner, QStringLiteral("frmIn15"), QStringLiteral("查询条件"), {}), QString());
    }
};

VARNHOLT_TEST(TestInputDialog)
#include "tst_inputdialog.moc"
