#include "fixture.h"
#include "frm_Edit_Password.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "operators.h"
#include "uidriver.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

namespace {
// Name, old password, new password, confirmation, in the order of the form.
const QStringList boxNames{"Text5", "Text1", "Text2", "Text3"};
}

class TestPasswordChange : public VarnholtTestCase {
    Q_OBJECT

    QPointer<frm_Edit_Password> form;

    QLineEdit* box(const QString& name) { return form->findChild<QLineEdit*>(name); }

    void openForm()
    {
        form = new frm_Edit_Password;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void submit(const QStringList& texts)
    {
        UiDriver::fillBoxes(form, boxNames, texts);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }

    QStringList boxTexts() { return UiDriver::boxTexts(form, boxNames); }

    QString storedPassword(const QString& name)
    {
        return OperatorBook::select(QStringLiteral("select M_Password from tb_enter where M_Name = ?"), {name})
            .text(0, "M_Password");
    }

private slots:
    void opensEmptyWithTheNameFirst()
    {
        openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("密码修改"));
        QCOMPARE(boxTexts(), QStringList(4, QString()));
        QCOMPARE(form->focusWidget(), box("Text5"));
        QCOMPARE(box("Text5")->echoMode(), QLineEdit::Normal);
        for (const char* name : {"Text1", "Text2", "Text3"})
            QCOMPARE(box(name)->echoMode(), QLineEdit::Password);
    }

    void anEmptyBoxIsRefused_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no confirmation") << QStringList{"管理员", "admin", "new", ""};
        QTest::newRow("no name") << QStringList{"", "admin", "new", "new"};
        QTest::newRow("no old password") << QStringList{"管理员", "", "new", "new"};
    }
    void anEmptyBoxIsRefused()
    {
        QFETCH(QStringList, texts);
        openForm();
        submit(texts);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"输入不能为空!!"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示信息"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Warning);
        QCOMPARE(boxTexts(), texts);
        QCOMPARE(storedPassword("管理员"), QStringLiteral("admin"));
    }

    void aWrongOldPasswordClearsAllFourBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("oldPassword");
        QTest::newRow("wrong") << "管理员"
                               << "nimda";
        QTest::newRow("other letter case") << "管理员"
                                           << "Admin";
        QTest::newRow("trailing blank") << "管理员"
                                        << "admin ";
        QTest::newRow("quote trick") << "管理员"
                                     << "' or '1'='1";
        QTest::newRow("unknown name") << "没有的人"
                                      << "admin";
    }
    void aWrongOldPasswordClearsAllFourBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, oldPassword);
        openForm();
        submit({name, oldPassword, "new", "new"});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"没有此用户的信息,请您确认后重新输入"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("信息提示"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Warning);
        QCOMPARE(boxTexts(), QStringList(4, QString()));
        QCOMPARE(form->focusWidget(), box("Text5"));
        QCOMPARE(storedPassword("管理员"), QStringLiteral("admin"));
        QVERIFY(form->isVisible());
    }

    void differingNewPasswordsClearOnlyTheNewBoxes()
    {
        openForm();
        submit({"管理员", "admin", "secret", "Secret"});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"两次输入的密码不一致,请您确认后重新输入"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示信息"));
        QCOMPARE(boxTexts(), (QStringList{"管理员", "admin", "", ""}));
        QCOMPARE(form->focusWidget(), box("Text2"));
        QCOMPARE(storedPassword("管理员"), QStringLiteral("admin"));
    }

    void aChangedPasswordReplacesTheOldOne_data()
    {
        QTest::addColumn<QString>("newPassword");
        QTest::newRow("new") << "O'Reilly 2";
        QTest::newRow("same as before") << "admin";
    }
    void aChangedPasswordReplacesTheOldOne()
    {
        QFETCH(QString, newPassword);
        OperatorBook::addOperator(2, "张三", "店员", "admin");
        openForm();
        submit({"管理员", "admin", newPassword, newPassword});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"密码修改成功,请您记住新密码"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("信息提示"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::NoIcon);
        QTRY_VERIFY(!form);
        QCOMPARE(storedPassword("管理员"), newPassword);
        // Another operator with the same old password keeps it.
        QCOMPARE(storedPassword("张三"), QStringLiteral("admin"));
        QCOMPARE(*Operators::checkIdentity("管理员", newPassword), Operators::IdentityOutcome::Confirmed);
        if (newPassword != QLatin1String("admin"))
            QCOMPARE(*Operators::checkIdentity("管理员", "admin"), Operators::IdentityOutcome::WrongPassword);
    }

    void enterWalksTheBoxesAndChanges()
    {
        openForm();
        UiDriver::enterThrough(form, boxNames, {"管理员", "admin", "neu", "neu"});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"密码修改成功,请您记住新密码"});
        QCOMPARE(storedPassword("管理员"), QStringLiteral("neu"));
    }

    void topmostUntilTheFirstMessage()
    {
        openForm();
        QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        bool topmostAtTheBox = true;
        MessageBox::setUnqueuedAction(
            [&](const MessageBoxRecord&) { topmostAtTheBox = form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); });
        QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"输入不能为空!!"});
        QVERIFY(!topmostAtTheBox);
    }

    void aFailedWriteIsReportedAndNotCalledASuccess()
    {
        OperatorBook::exec(QStringLiteral("create trigger refuse before update on tb_enter "
                                          "begin select raise(abort, 'refused'); end"));
        openForm();
        submit({"管理员", "admin", "new", "new"});
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shownTexts().at(0).startsWith(QStringLiteral("Error ")));
        QCOMPARE(boxTexts(), (QStringList{"管理员", "admin", "new", "new"}));
        QCOMPARE(storedPassword("管理员"), QStringLiteral("admin"));
        QVERIFY(form && form->isVisible());
    }
};

VARNHOLT_TEST(TestPasswordChange)
#include "tst_passwordchange.moc"
