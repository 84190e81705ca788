#include "dbsession.h"
#include "fixture.h"
#include "frmProvider.h"
#include "masterdrive.h"
#include "masterlist.h"
#include "messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const char* const Boxes[] = {"Text1", "Text2", "Text3",  "Text4",  "Text5", "Text7",
                             "Text8", "Text9", "Text10", "Text11", "Text12"};

QString boxText(QDialog* editor, const char* name)
{
    if (auto* line = editor->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return line->text();
    if (auto* edit = editor->findChild<QPlainTextEdit*>(QString::fromLatin1(name)))
        return edit->toPlainText();
    return QStringLiteral("<missing>");
}

QWidget* focused(QDialog* editor) { return editor->focusWidget(); }
}

class TestFrmProvider : public VarnholtTestCase {
    Q_OBJECT

    void addSupplier(const QStringList& values)
    {
        const QStringList columns{"编号",     "名称", "电话", "传真",   "地址",  "联系人",
                                  "开户银行", "帐号", "备注", "拼音码", "五笔码"};
        insertRow(QStringLiteral("供应商"), columns, QVariantList(values.begin(), values.end()), QStringLiteral("-"));
    }

    frmProvider* openList() { return showActive<frmProvider>(900, 500); }

private slots:
    void listShowsEveryColumnTrimmed()
    {
        addSupplier({"CJ000001", " 宏达 ", "123", "456", "北京", "李", "工行", "6222", "备", "HD", "PD"});
        frmProvider* form = openList();
        QCOMPARE(form->windowTitle(), QStringLiteral("供应商资料(双击表格记录可以修改)"));
        auto* list = childOf<QTreeView>(form, "ListView1");
        QCOMPARE(shownRows(list),
                 (QList<QStringList>{{"CJ000001", "宏达", "123", "456", "北京", "李", "工行", "6222", "备", "HD", "PD"}}));
        QCOMPARE(shownHeaders(list), (QStringList{"编号", "名称", "电话", "传真", "地址", "联系人", "开户银行", "银行帐号",
                                                  "备注", "拼音码", "五笔码"}));
        QVERIFY(showsColumnWhole(list, 1));
        QVERIFY(childOf<QRadioButton>(form, "Option1")->isChecked());
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入拼音码筛选"));
    }

    void emptyTableProposesFirstNumber()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("记录编辑"));
            auto* number = childOf<QLineEdit>(editor, "Text1");
            QCOMPARE(number->text(), QStringLiteral("CJ000001"));
            QVERIFY(!number->isEnabled());
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text2"));
            QVERIFY(!editor->findChild<QWidget*>(QStringLiteral("Text6")));
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void leavingTheNameFillsTheCodes()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setFocus();
            typeText(name, QStringLiteral("张三"));
            QTest::keyClick(name, Qt::Key_Tab);
            QCOMPARE(boxText(editor, "Text11"), QStringLiteral("ZS"));
            QCOMPARE(boxText(editor, "Text12"), QStringLiteral("XD"));

            // Codes typed by hand are overwritten each time the name is left.
            childOf<QLineEdit>(editor, "Text11")->setText(QStringLiteral("XX"));
            name->setFocus();
            QTest::mouseClick(childOf<QLineEdit>(editor, "Text4"), Qt::LeftButton);
            QCOMPARE(boxText(editor, "Text11"), QStringLiteral("ZS"));
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void anotherWindowTakingTheActivationLeavesTheCodes()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setFocus();
            typeText(name, QStringLiteral("张三"));
            // Another program's window, then a window of the editor's own (a box).
            QApplication::setActiveWindow(nullptr);
            QCOMPARE(QApplication::focusWidget(), nullptr);
            QApplication::setActiveWindow(editor);
            QCOMPARE(QApplication::focusWidget(), name);
            QDialog box(editor);
            auto* other = new QLineEdit(&box);
            box.show();
            QApplication::setActiveWindow(&box);
            QCOMPARE(QApplication::focusWidget(), other);
            QCOMPARE(boxText(editor, "Text11"), QString());
            QCOMPARE(boxText(editor, "Text12"), QString());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
    }

    void enterMovesOnOnlyFromAFilledBox()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setFocus();
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(focused(editor), name);
            QTest::keyClick(name, Qt::Key_Space);
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text3"));
            // 地址 is followed by 联系人: there is no Text6.
            auto* address = childOf<QLineEdit>(editor, "Text5");
            address->setFocus();
            typeText(address, QStringLiteral("x"));
            QTest::keyClick(address, Qt::Key_Return);
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text7"));
            // The notes box takes Enter as a move too.
            auto* notes = childOf<QPlainTextEdit>(editor, "Text10");
            notes->setFocus();
            typeText(notes, QStringLiteral("n"));
            QTest::keyClick(notes, Qt::Key_Return);
            QCOMPARE(notes->toPlainText(), QStringLiteral("n"));
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text11"));
            // Esc does nothing.
            QTest::keyClick(focused(editor), Qt::Key_Escape);
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QVERIFY(storedTexts(QStringLiteral("select * from 供应商")).isEmpty());
    }

    void lastBoxEnterFocusesSaveAndASecondEnterSaves()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setFocus();
            typeText(name, QStringLiteral("张三"));
            QTest::keyClick(name, Qt::Key_Return);
            auto* wubi = childOf<QLineEdit>(editor, "Text12");
            wubi->setFocus();
            QTest::keyClick(wubi, Qt::Key_Return);
            auto* save = childOf<QPushButton>(editor, "ComSave");
            QCOMPARE(focused(editor), save);
            QVERIFY(MessageBox::shownTexts().isEmpty());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(save, Qt::Key_Return);
            QVERIFY(!editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("新增成功。")});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        QCOMPARE(storedTexts(QStringLiteral("select * from 供应商")),
                 (QList<QStringList>{{"CJ000001", "张三", "-", "-", "-", "-", "-", "-", "-", "ZS", "XD"}}));
        QCOMPARE(shownRows(childOf<QTreeView>(form, "ListView1")),
                 (QList<QStringList>{{"CJ000001", "张三", "-", "-", "-", "-", "-", "-", "-", "ZS", "XD"}}));
    }

    void checksInFieldOrder()
    {
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            auto* save = childOf<QPushButton>(editor, "ComSave");
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入名称。"));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text2"));
            QCOMPARE(boxText(editor, "Text3"), QString());

            // A name of blanks passes; the optional boxes show "-" before the
            // missing codes stop the save.
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral(" "));
            childOf<QLineEdit>(editor, "Text11")->setText(QString());
            childOf<QLineEdit>(editor, "Text4")->setText(QStringLiteral("  "));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入拼音码。"));
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text11"));
            QCOMPARE(boxText(editor, "Text3"), QStringLiteral("-"));
            QCOMPARE(boxText(editor, "Text10"), QStringLiteral("-"));
            QCOMPARE(boxText(editor, "Text4"), QStringLiteral("  "));

            // Moving the focus off the name filled the codes from it; empty 五笔码 again.
            childOf<QLineEdit>(editor, "Text11")->setText(QStringLiteral("P"));
            childOf<QLineEdit>(editor, "Text12")->setText(QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            save->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入五笔码。"));
            QCOMPARE(focused(editor), childOf<QWidget>(editor, "Text12"));
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QVERIFY(storedTexts(QStringLiteral("select * from 供应商")).isEmpty());
    }

    void failedSaveKeepsTheEditorOpen()
    {
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->exec(QStringLiteral("create trigger refuse before insert on 供应商 "
                                              "begin select raise(abort, 'supplier refused'); end")));
        }
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("宏达"));
            childOf<QLineEdit>(editor, "Text11")->setText(QStringLiteral("HD"));
            childOf<QLineEdit>(editor, "Text12")->setText(QStringLiteral("PD"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(editor->isVisible());
            QCOMPARE(boxText(editor, "Text2"), QStringLiteral("宏达"));
            const MessageBoxRecord box = MessageBox::shown().last();
            QVERIFY2(box.text.startsWith(QStringLiteral("Error 1811: supplier refused")), qPrintable(box.text));
            QCOMPARE(box.title, QStringLiteral("Varnholt"));
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QVERIFY(storedTexts(QStringLiteral("select * from 供应商")).isEmpty());
        QVERIFY(shownRows(childOf<QTreeView>(form, "ListView1")).isEmpty());
    }

    void modifyRewritesTheRowOfItsNumber()
    {
        addSupplier({"CJ000001", "甲", "1"});
        addSupplier({"CJ000002", "乙", "2"});
        frmProvider* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        whenModal([](QDialog* editor) {
            QCOMPARE(boxText(editor, "Text1"), QStringLiteral("CJ000002"));
            QCOMPARE(boxText(editor, "Text2"), QStringLiteral("乙"));
            auto* name = childOf<QLineEdit>(editor, "Text2");
            name->setText(QStringLiteral("O'Neil 乙"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        doubleClickRow(list, 1);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        const auto stored = storedTexts(QStringLiteral("select * from 供应商"));
        QCOMPARE(stored.at(0).at(1), QStringLiteral("甲"));
        QCOMPARE(stored.at(1).at(1), QStringLiteral("O'Neil 乙"));
        QCOMPARE(shownRows(list).at(1).at(1), QStringLiteral("O'Neil 乙"));
    }

    void modifyWithoutSelectionStopsAtTheNumber()
    {
        addSupplier({"CJ000001", "甲"});
        frmProvider* form = openList();
        whenModal([](QDialog* editor) {
            for (const char* name : Boxes)
                QCOMPARE(boxText(editor, name), QString());
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("请输入编号。"));
        });
        childOf<QPushButton>(form, "ComMod")->click();
    }

    void filterBySearchCode()
    {
        addSupplier({"CJ000001", "宏达", "", "", "", "", "", "", "", "HD", "PD"});
        addSupplier({"CJ000002", "华东", "", "", "", "", "", "", "", "HDX", "WA"});
        addSupplier({"CJ000003", "新星", "", "", "", "", "", "", "", "XX", "UJ"});
        frmProvider* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        auto* filter = childOf<QLineEdit>(form, "TextName");
        typeText(filter, QStringLiteral("  hd "));
        QCOMPARE(list->model()->rowCount(), 2);

        // Another column only from the next change of the text.
        QTest::mouseClick(childOf<QRadioButton>(form, "Option2"), Qt::LeftButton);
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入五笔码筛选"));
        QCOMPARE(list->model()->rowCount(), 2);
        filter->setText(QStringLiteral("uj"));
        QCOMPARE(shownRows(list).value(0).value(0), QStringLiteral("CJ000003"));
        filter->setText(QStringLiteral("'"));
        QCOMPARE(list->model()->rowCount(), 0);
        filter->clear();
        QCOMPARE(list->model()->rowCount(), 3);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void newRowIsAppendedWhateverTheFilter()
    {
        addSupplier({"CJ000001", "宏达", "", "", "", "", "", "", "", "HD", "PD"});
        frmProvider* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        childOf<QLineEdit>(form, "TextName")->setText(QStringLiteral("HD"));
        whenModal([](QDialog* editor) {
            QCOMPARE(boxText(editor, "Text1"), QStringLiteral("CJ000002"));
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("新星"));
            childOf<QLineEdit>(editor, "Text11")->setText(QStringLiteral("XX"));
            childOf<QLineEdit>(editor, "Text12")->setText(QStringLiteral("UJ"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
        });
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(shownRows(list).at(1).at(0), QStringLiteral("CJ000002"));
        QCOMPARE(selectedRow(list), -1);
    }

    void deleteAsksThenSelectsTheFirstRow()
    {
        addSupplier({"CJ000001", "甲"});
        addSupplier({"CJ000002", "乙"});
        addSupplier({"CJ000003", "丙"});
        frmProvider* form = openList();
        auto* list = childOf<QTreeView>(form, "ListView1");
        auto* remove = childOf<QPushButton>(form, "ComDel");

        remove->click();
        QVERIFY(MessageBox::shownTexts().isEmpty());

        clickRow(list, 2);
        MessageBox::setNextAnswer(QMessageBox::No);
        remove->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[CJ000003]吗?"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(storedTexts(QStringLiteral("select * from 供应商")).size(), 3);
        QCOMPARE(selectedRow(list), 0);

        clickRow(list, 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        remove->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[CJ000001]吗?"));
        QCOMPARE(storedTexts(QStringLiteral("select * from 供应商")).size(), 2);
        QCOMPARE(storedTexts(QStringLiteral("select * from 供应商")).at(0).at(0), QStringLiteral("CJ000002"));
        QCOMPARE(shownRows(list).size(), 2);
        QCOMPARE(shownRows(list).at(0).at(0), QStringLiteral("CJ000002"));
        QCOMPARE(selectedRow(list), 0);
    }

    void returnClosesTheList()
    {
        QPointer<frmProvider> form = openList();
        childOf<QPushButton>(form, "ComRtn")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }
};

VARNHOLT_TEST(TestFrmProvider)
#include "tst_frmprovider.moc"
