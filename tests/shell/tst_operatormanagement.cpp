#include "appstate.h"
#include "fixture.h"
#include "frm_systemer.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "typing.h"
#include "uidriver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {
const QStringList registrationBoxes{"Text1", "Text2", "Text3", "Text4"};
}

class TestOperatorManagement : public VarnholtTestCase {
    Q_OBJECT

    QPointer<frm_systemer> form;

    template <typename T = QWidget>
    T* control(const char* name)
    {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    void openForm()
    {
        form = new frm_systemer;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void fill(const QStringList& texts) { UiDriver::fillBoxes(form, registrationBoxes, texts); }

    // Fills the boxes and registers, the message answered OK.
    void registerOperator(const QStringList& texts)
    {
        fill(texts);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    }

    QStringList boxTexts() { return UiDriver::boxTexts(form, registrationBoxes); }

    // On the button's indicator: a click past the end of its text misses it.
    void clickOption(const char* name)
    {
        auto* option = control<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    void chooseForDeletion(const QString& name)
    {
        clickOption("Option2");
        auto* combo = control<QComboBox>("Combo1");
        combo->setCurrentIndex(combo->findText(name));
        QCOMPARE(combo->currentText(), name);
    }

private slots:
    void opensInRegistrationModeAndSwitchesPanels()
    {
        OperatorBook::addOperator(5, QStringLiteral("王五"), QStringLiteral("收银员"), QStringLiteral("w"));
        OperatorBook::addOperator(2, QStringLiteral("李四"), QStringLiteral("店员"), QStringLiteral("l"));
        openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("用户管理"));
        QVERIFY(control<QRadioButton>("Option1")->isChecked());
        QVERIFY(control("Frame2")->isVisible());
        QVERIFY(control("Command1")->isVisible());
        QVERIFY(!control("Frame1")->isVisible());
        QVERIFY(!control("Command2")->isVisible());
        for (const char* box : {"Text3", "Text4"})
            QCOMPARE(control<QLineEdit>(box)->echoMode(), QLineEdit::Password);

        clickOption("Option2");
        QVERIFY(control("Frame1")->isVisible());
        QVERIFY(control("Command2")->isVisible());
        QVERIFY(!control("Frame2")->isVisible());
        QVERIFY(!control("Command1")->isVisible());
        QCOMPARE(form->focusWidget(), control("Combo1"));
        auto* combo = control<QComboBox>("Combo1");
        QStringList names;
        for (int i = 0; i < combo->count(); ++i)
            names << combo->itemText(i);
        QCOMPARE(names, (QStringList{"管理员", "李四", "王五"}));

        clickOption("Option1");
        QVERIFY(control("Frame2")->isVisible());
        QVERIFY(!control("Frame1")->isVisible());
    }

    void incompleteRegistrationIsRefused_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no password") << QStringList{"张三", "店员", "", "123"};
        QTest::newRow("no post") << QStringList{"张三", "", "123", "123"};
        QTest::newRow("no name") << QStringList{"", "店员", "123", "123"};
    }
    void incompleteRegistrationIsRefused()
    {
        QFETCH(QStringList, texts);
        openForm();
        registerOperator(texts);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"输入的用户注册信息不完全!!"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示信息"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::NoIcon);
        QCOMPARE(boxTexts(), texts);
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
        QVERIFY(form && form->isVisible());
    }

    void takenNameClearsAllFourBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("administrator") << QStringLiteral("管理员");
        QTest::newRow("other Latin case") << QStringLiteral("BOB");
    }
    void takenNameClearsAllFourBoxes()
    {
        QFETCH(QString, name);
        OperatorBook::addOperator(2, QStringLiteral("Bob"), QStringLiteral("店员"), QStringLiteral("b"));
        openForm();
        // The passwords differ too: a taken name is reported first.
        registerOperator({name, QStringLiteral("店员"), QStringLiteral("1"), QStringLiteral("2")});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"该用户名已经存在,请您更换其他用户名!"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示信息"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Warning);
        QCOMPARE(boxTexts(), (QStringList{"", "", "", ""}));
        QCOMPARE(form->focusWidget(), control("Text1"));
        QCOMPARE(OperatorBook::count("tb_enter"), 2);
    }

    void differingPasswordsClearOnlyThePasswords()
    {
        openForm();
        registerOperator({QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("abc"), QStringLiteral("abC")});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"两次输入的密码不一致,请您确认后重新输入"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("用户注册信息提示"));
        QCOMPARE(boxTexts(), (QStringList{"张三", "店员", "", ""}));
        QCOMPARE(form->focusWidget(), control("Text3"));
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
    }

    void newOperatorGetsTheNextNumberAndNoRights()
    {
        OperatorBook::addOperator(2, QStringLiteral("李四"), QStringLiteral("店员"), QStringLiteral("l"), "1");
        OperatorBook::addOperator(5, QStringLiteral("王五"), QStringLiteral("店员"), QStringLiteral("w"), "1");
        openForm();
        const QString password = QStringLiteral("x' or '1'='1");
        registerOperator({QStringLiteral("O'Neil"), QStringLiteral("收银员"), password, password});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"注册成功!!"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("用户注册信息提示"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Warning);
        QTRY_VERIFY(!form);

        const Rows rows = OperatorBook::select(QStringLiteral("select * from tb_enter where M_Name = ?"), {"O'Neil"});
        QCOMPARE(rows.count(), 1);
        QCOMPARE(rows.value(0, "M_ID").toInt(), 6);
        QCOMPARE(rows.text(0, "M_zw"), QStringLiteral("收银员"));
        QCOMPARE(rows.text(0, "M_Password"), password);
        QCOMPARE(OperatorBook::rights("O'Neil"), QStringList(25, "0"));
        QCOMPARE(rows.text(0, "26"), QStringLiteral("0"));
        QCOMPARE(OperatorBook::count("tb_enter"), 4);
    }

    void emptyTableGivesNumberOne()
    {
        OperatorBook::exec(QStringLiteral("delete from tb_enter"));
        openForm();
        registerOperator({QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("1"), QStringLiteral("1")});
        QCOMPARE(OperatorBook::select(QStringLiteral("select M_ID from tb_enter")).value(0, "M_ID").toInt(), 1);
    }

    void failedRegistrationIsReportedAndKeepsTheInput()
    {
        OperatorBook::exec(QStringLiteral("create trigger refuse before insert on tb_enter "
                                          "begin select raise(abort, 'refused'); end"));
        openForm();
        const QStringList texts{"张三", "店员", "1", "1"};
        registerOperator(texts);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shownTexts().at(0).startsWith(QStringLiteral("Error ")));
        QVERIFY(MessageBox::shownTexts().at(0).contains(QStringLiteral("refused")));
        QCOMPARE(boxTexts(), texts);
        QVERIFY(form && form->isVisible());
    }

    void deletionRefusals_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("yourself") << "张三"
                                  << "张三" << false << "不能删除当前用户名!!"
                                  << "提示信息";
        QTest::newRow("yourself as administrator") << "管理员"
                                                   << "管理员" << false << "不能删除当前用户名!!"
                                                   << "提示信息";
        QTest::newRow("yourself in another Latin case") << "bob"
                                                        << "Bob" << false << "不能删除当前用户名!!"
                                                        << "提示信息";
        QTest::newRow("the administrator") << "张三"
                                           << "管理员" << true << "不能删除管理员账户"
                                           << "Varnholt";
        QTest::newRow("a name not on the books") << "张三"
                                                 << "没有的人" << true << "当前数据库中没有可删除的用户信息"
                                                 << "信息提示";
    }
    void deletionRefusals()
    {
        QFETCH(QString, current);
        QFETCH(QString, target);
        QFETCH(bool, asked);
        QFETCH(QString, message);
        QFETCH(QString, title);
        OperatorBook::addOperator(2, QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("z"));
        OperatorBook::addOperator(3, QStringLiteral("Bob"), QStringLiteral("店员"), QStringLiteral("b"));
        appState().currentOperator = current;
        openForm();
        clickOption("Option2");
        auto* combo = control<QComboBox>("Combo1");
        typeText(combo, target);
        if (asked)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

        QStringList expected;
        if (asked)
            expected << QStringLiteral("您确认要删除该用户吗?");
        expected << message;
        QCOMPARE(MessageBox::shownTexts(), expected);
        QCOMPARE(MessageBox::shown().last().title, title);
        QCOMPARE(OperatorBook::count("tb_enter"), 3);
        QVERIFY(form && form->isVisible());
    }

    void deletionAfterTheQuestion_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("cancelled") << false;
        QTest::newRow("confirmed") << true;
    }
    void deletionAfterTheQuestion()
    {
        QFETCH(bool, confirm);
        OperatorBook::addOperator(2, QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("z"));
        appState().currentOperator = QStringLiteral("管理员");
        openForm();
        chooseForDeletion(QStringLiteral("张三"));
        MessageBox::setNextAnswer(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"您确认要删除该用户吗?"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("删除用户信息提示"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Critical);
        QCOMPARE(MessageBox::shown().at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(OperatorBook::count("tb_enter"), confirm ? 1 : 2);
        if (confirm)
            QTRY_VERIFY(!form);
        else
            QVERIFY(form && form->isVisible());
    }

    void enterWalksTheBoxesAndRegisters()
    {
        openForm();
        auto* first = control<QLineEdit>("Text1");
        first->setFocus();
        UiDriver::enterThrough(form, registrationBoxes, {"张三", "店员", "pw", "pw"});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"注册成功!!"});
        QCOMPARE(OperatorBook::count("tb_enter"), 2);
        QTRY_VERIFY(!form);
    }

    void enterInTheNameListDeletes()
    {
        OperatorBook::addOperator(2, QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("z"));
        appState().currentOperator = QStringLiteral("管理员");
        openForm();
        chooseForDeletion(QStringLiteral("张三"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"您确认要删除该用户吗?"});
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
        QTRY_VERIFY(!form);
    }

    void topmostUntilTheFirstMessage()
    {
        openForm();
        QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        bool topmostAtTheBox = true;
        MessageBox::setUnqueuedAction(
            [&](const MessageBoxRecord&) { topmostAtTheBox = form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); });
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"输入的用户注册信息不完全!!"});
        QVERIFY(!topmostAtTheBox);
        QVERIFY(form->isVisible());
    }

    void centredWhenActivated()
    {
        openForm();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->move(0, 0);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        const QRect screen = form->screen()->geometry();
        QCOMPARE(form->frameGeometry().center().x(), screen.center().x());
        QVERIFY(qAbs(form->frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void escapeClosesWithoutWriting()
    {
        openForm();
        fill({QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("1"), QStringLiteral("1")});
        QTest::keyClick(control("Text2"), Qt::Key_Escape);
        QTRY_VERIFY(!form);
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
    }

    void cancelButtonWritesNothing()
    {
        openForm();
        fill({QStringLiteral("张三"), QStringLiteral("店员"), QStringLiteral("1"), QStringLiteral("1")});
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        QTRY_VERIFY(!form);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
    }
};

VARNHOLT_TEST(TestOperatorManagement)
#include "tst_operatormanagement.moc"
