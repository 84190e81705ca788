#include "dbsession.h"
#include "fixture.h"
#include "frmCompany.h"
#include "masterdrive.h"
#include "messagebox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace {
const char* const Boxes[] = {"Text1", "Text2", "Text3", "Text4"};
}

class TestFrmCompany : public VarnholtTestCase {
    Q_OBJECT

    void execute(const QString& sql)
    {
        auto conn = Mod1::OpenConn();
        auto done = conn->exec(sql);
        QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
    }

    frmCompany* open()
    {
        auto* form = new frmCompany;
        form->show();
        QApplication::setActiveWindow(form);
        return form;
    }

    static QStringList shown(frmCompany* form)
    {
        QStringList texts;
        for (const char* name : Boxes)
            texts << childOf<QLineEdit>(form, name)->text();
        return texts;
    }

    static void type(frmCompany* form, const QStringList& texts)
    {
        for (int i = 0; i < 4; ++i) {
            auto* box = childOf<QLineEdit>(form, Boxes[i]);
            box->clear();
            typeText(box, texts[i]);
        }
    }

private slots:
    void opensTopmostAndCentredWithTheLabels()
    {
        QPointer<frmCompany> form = open();
        QCOMPARE(form->windowTitle(), QStringLiteral("店铺信息"));
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect screen = form->screen()->geometry();
        // Placed before its first show, so within the width of its frame.
        QVERIFY(qAbs(form->frameGeometry().center().x() - screen.center().x()) <= 4);
        QVERIFY(qAbs(form->frameGeometry().center().y() - screen.center().y()) <= 4);
        QStringList labels;
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
            labels << childOf<QLabel>(form, name)->text();
        QCOMPARE(labels, (QStringList{"店铺名称", "店铺地址", "联 系 人", "联系电话"}));
        QCOMPARE(childOf<QPushButton>(form, "ComSave")->text(), QStringLiteral("保    存"));
        QCOMPARE(childOf<QPushButton>(form, "Command2")->text(), QStringLiteral("取    消"));
        QCOMPARE(shown(form), QStringList(4, QString()));
    }

    void firstSaveInsertsAndLaterSavesUpdate()
    {
        QPointer<frmCompany> form = open();
        type(form, {"小店", "北京 路", "张三", "010"});
        QTest::mouseClick(childOf<QPushButton>(form, "ComSave"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")),
                 (QList<QStringList>{{"小店", "北京 路", "张三", "010"}}));

        form = open();
        QCOMPARE(shown(form), (QStringList{"小店", "北京 路", "张三", "010"}));
        // Quotes are stored as typed; an emptied box stores an empty text, not "-".
        type(form, {"O'Neil's \"店\"", " 上海 ", "", "02'1"});
        childOf<QPushButton>(form, "ComSave")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QCOMPARE(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")),
                 (QList<QStringList>{{"O'Neil's \"店\"", " 上海 ", "", "02'1"}}));

        form = open();
        QCOMPARE(shown(form), (QStringList{"O'Neil's \"店\"", " 上海 ", "", "02'1"}));
    }

    void everyRowTakesTheBoxes()
    {
        execute("insert into 店铺信息 values ('甲店', '甲路', null, '1'), ('乙店', '乙路', '乙', '2')");
        QPointer<frmCompany> form = open();
        QCOMPARE(shown(form), (QStringList{"甲店", "甲路", "", "1"}));
        childOf<QPushButton>(form, "ComSave")->click();
        QCOMPARE(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")),
                 (QList<QStringList>{{"甲店", "甲路", "", "1"}, {"甲店", "甲路", "", "1"}}));
    }

    void cancelWritesNothing()
    {
        execute("insert into 店铺信息 values ('甲店', '甲路', '甲', '1')");
        QPointer<frmCompany> form = open();
        type(form, {"乙店", "乙路", "乙", "2"});
        QTest::mouseClick(childOf<QPushButton>(form, "Command2"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QCOMPARE(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")),
                 (QList<QStringList>{{"甲店", "甲路", "甲", "1"}}));

        // Esc leaves the same way; Enter in a box saves nothing.
        form = open();
        auto* name = childOf<QLineEdit>(form, "Text1");
        name->setFocus();
        name->setText(QStringLiteral("丙店"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(form->isVisible());
        QTest::keyClick(name, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
        QCOMPARE(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")),
                 (QList<QStringList>{{"甲店", "甲路", "甲", "1"}}));
    }

    void failedSaveIsReportedAndKeepsTheInput()
    {
        execute("create trigger refuse before insert on 店铺信息 begin select raise(abort, 'shop refused'); end");
        QPointer<frmCompany> form = open();
        type(form, {"小店", "路", "人", "电话"});
        bool topmostAtTheBox = true;
        MessageBox::setUnqueuedAction(
            [&](const MessageBoxRecord&) { topmostAtTheBox = form->windowFlags() & Qt::WindowStaysOnTopHint; });
        childOf<QPushButton>(form, "ComSave")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form && form->isVisible());
        const MessageBoxRecord box = MessageBox::shown().last();
        QCOMPARE(box.text, QStringLiteral("Error 1811: shop refused\n"));
        QCOMPARE(box.title, QStringLiteral("Varnholt"));
        // The box was not hidden behind the dialog, which stays on top afterwards.
        QVERIFY(!topmostAtTheBox);
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(shown(form), (QStringList{"小店", "路", "人", "电话"}));
        QVERIFY(storedTexts(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息"), QStringLiteral("<null>")).isEmpty());
    }
};

VARNHOLT_TEST(TestFrmCompany)
#include "tst_frmcompany.moc"
