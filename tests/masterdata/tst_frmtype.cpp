#include "dbsession.h"
#include "fixture.h"
#include "frmType.h"
#include "masterdrive.h"
#include "masterlist.h"
#include "messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestFrmType : public VarnholtTestCase {
    Q_OBJECT

    void addRow(const QString& table, const QString& number, const QString& name)
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn->insert(table, {{"编号", number}, {"名称", name}}));
    }

    QList<QStringList> stored(const QString& table)
    {
        auto conn = Mod1::OpenConn();
        auto rows = conn->query(QStringLiteral("select 编号, 名称 from \"%1\"").arg(table));
        QList<QStringList> result;
        for (const QVariantList& row : rows->data())
            result << QStringList{row[0].toString(), row[1].toString()};
        return result;
    }

    frmType* openForm()
    {
        auto* form = new frmType;
        form->resize(900, 500);
        form->show();
        QApplication::setActiveWindow(form);
        return form;
    }

    // Adds a row through an editor, typing the name and pressing Enter twice.
    static void addByKeyboard(const QString& name, QString* proposed)
    {
        whenModal([name, proposed](QDialog* editor) {
            *proposed = childOf<QLineEdit>(editor, "Text1")->text();
            auto* box = childOf<QLineEdit>(editor, "Text2");
            box->setFocus();
            typeText(box, name);
            QTest::keyClick(box, Qt::Key_Return);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(editor->focusWidget(), Qt::Key_Return);
        });
    }

private slots:
    void formShowsBothListsSideBySide()
    {
        addRow("商品类别", " LB001 ", " 饮料 ");
        addRow("计量单位", "DW001", "瓶");
        frmType* form = openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("商品类别(双击表格可以修改)"));
        auto* categories = childOf<QTreeView>(form, "ListView1");
        auto* units = childOf<QTreeView>(form, "ListView2");
        QCOMPARE(shownRows(categories), (QList<QStringList>{{"LB001", "饮料"}}));
        QCOMPARE(shownRows(units), (QList<QStringList>{{"DW001", "瓶"}}));
        QCOMPARE(categories->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("商品类别"));
        QCOMPARE(units->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("计量单位"));
        QVERIFY(showsColumnWhole(categories, 1));
        QCOMPARE(childOf<QLabel>(form, "Label2")->text(), QStringLiteral("输入编号筛选(商品类别)"));
        QCOMPARE(childOf<QLabel>(form, "Label3")->text(), QStringLiteral("输入编号筛选(计量单位)"));
        for (const char* name : {"ComAdd1", "ComMod1", "ComDel1", "ComRtn1", "TextName1", "Frame2", "Frame3"})
            QVERIFY(form->findChild<QWidget*>(QString::fromLatin1(name)));
        // Each half from top to bottom: hint, filter box, buttons, list.
        const QList<QStringList> halves{{"Label2", "TextName", "Frame2", "ListView1"},
                                        {"Label3", "TextName1", "Frame3", "ListView2"}};
        for (const QStringList& half : halves) {
            int above = -1;
            for (const QString& name : half) {
                QWidget* part = childOf<QWidget>(form, qPrintable(name));
                const int top = part->mapTo(form, QPoint(0, 0)).y();
                QVERIFY2(top > above, qPrintable(name));
                above = top;
            }
        }
    }

    void numbersOfEmptyAndFullTables()
    {
        frmType* form = openForm();
        QString proposed;
        addByKeyboard(QStringLiteral("饮料"), &proposed);
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(proposed, QStringLiteral("LB001"));
        addByKeyboard(QStringLiteral("瓶"), &proposed);
        childOf<QPushButton>(form, "ComAdd1")->click();
        QCOMPARE(proposed, QStringLiteral("DW001"));
        QCOMPARE(stored("商品类别"), (QList<QStringList>{{"LB001", "饮料"}}));
        QCOMPARE(stored("计量单位"), (QList<QStringList>{{"DW001", "瓶"}}));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{"新增成功。", "新增成功。"}));
    }

    void numbersCountOnPastTheirWidth()
    {
        addRow("商品类别", "LB009", "甲");
        frmType* form = openForm();
        QString proposed;
        addByKeyboard(QStringLiteral("乙"), &proposed);
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(proposed, QStringLiteral("LB010"));

        addRow("商品类别", "LB999", "丙");
        for (const char* expected : {"LB1000", "LB1001"}) {
            addByKeyboard(QStringLiteral("丁"), &proposed);
            childOf<QPushButton>(form, "ComAdd")->click();
            QCOMPARE(proposed, QString::fromLatin1(expected));
        }
        QCOMPARE(stored("商品类别").last(), (QStringList{"LB1001", "丁"}));
    }

    void enterOnlyFromAFilledName()
    {
        frmType* form = openForm();
        whenModal([](QDialog* editor) {
            auto* name = childOf<QLineEdit>(editor, "Text2");
            QCOMPARE(editor->focusWidget(), name);
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), name);
            QTest::keyClick(name, Qt::Key_Space);
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(editor->focusWidget(), childOf<QWidget>(editor, "ComSave"));
            QVERIFY(MessageBox::shownTexts().isEmpty());
            QTest::keyClick(editor->focusWidget(), Qt::Key_Escape);
            QVERIFY(editor->isVisible());
        });
        childOf<QPushButton>(form, "ComAdd1")->click();
        QVERIFY(stored("计量单位").isEmpty());
    }

    void eachSideOpensItsOwnEditorOnItsOwnList()
    {
        addRow("计量单位", "DW001", "瓶");
        frmType* form = openForm();
        clickRow(childOf<QTreeView>(form, "ListView2"), 0);
        whenModal([](QDialog* editor) {
            QCOMPARE(childOf<QLineEdit>(editor, "Text1")->text(), QString());
            QCOMPARE(childOf<QLineEdit>(editor, "Text2")->text(), QString());
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("x"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请输入编号。")});
            QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(stored("计量单位"), (QList<QStringList>{{"DW001", "瓶"}}));
    }

    void modifyChangesExactlyItsRow()
    {
        addRow("计量单位", "DW001", "瓶");
        addRow("计量单位", "DW002", "箱");
        addRow("商品类别", "LB002", "箱");
        frmType* form = openForm();
        auto* units = childOf<QTreeView>(form, "ListView2");
        whenModal([](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("记录编辑"));
            QCOMPARE(childOf<QLineEdit>(editor, "Text1")->text(), QStringLiteral("DW002"));
            auto* name = childOf<QLineEdit>(editor, "Text2");
            QCOMPARE(name->text(), QStringLiteral("箱"));
            name->setText(QStringLiteral("12' 箱"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(!editor->isVisible());
        });
        doubleClickRow(units, 1);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("修改成功。")});
        QCOMPARE(stored("计量单位"), (QList<QStringList>{{"DW001", "瓶"}, {"DW002", "12' 箱"}}));
        QCOMPARE(stored("商品类别"), (QList<QStringList>{{"LB002", "箱"}}));
        QCOMPARE(shownRows(units).at(1), (QStringList{"DW002", "12' 箱"}));
    }

    void modifyOfARowGoneMeanwhileIsAnError()
    {
        addRow("商品类别", "LB001", "甲");
        frmType* form = openForm();
        clickRow(childOf<QTreeView>(form, "ListView1"), 0);
        whenModal([](QDialog* editor) {
            {
                auto conn = Mod1::OpenConn();
                QVERIFY(conn->exec(QStringLiteral("delete from 商品类别")));
            }
            childOf<QLineEdit>(editor, "Text2")->setText(QStringLiteral("乙"));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            childOf<QPushButton>(editor, "ComSave")->click();
            QVERIFY(editor->isVisible());
            QVERIFY(MessageBox::shownTexts().last().startsWith(QStringLiteral("Error ")));
            QVERIFY(!MessageBox::shownTexts().contains(QStringLiteral("修改成功。")));
        });
        childOf<QPushButton>(form, "ComMod")->click();
        QCOMPARE(shownRows(childOf<QTreeView>(form, "ListView1")).at(0).at(1), QStringLiteral("甲"));
    }

    void filterLooksAtTheNumberOnly()
    {
        addRow("商品类别", "LB001", "饮料");
        addRow("商品类别", "LB012", "LB9");
        addRow("计量单位", "DW001", "瓶");
        frmType* form = openForm();
        auto* categories = childOf<QTreeView>(form, "ListView1");
        auto* filter = childOf<QLineEdit>(form, "TextName");
        typeText(filter, QStringLiteral("饮"));
        QCOMPARE(categories->model()->rowCount(), 0);
        filter->setText(QStringLiteral(" 01 "));
        QCOMPARE(shownRows(categories), (QList<QStringList>{{"LB001", "饮料"}, {"LB012", "LB9"}}));
        filter->setText(QStringLiteral("9"));
        QCOMPARE(categories->model()->rowCount(), 0);
        filter->setText(QStringLiteral("%"));
        QCOMPARE(categories->model()->rowCount(), 2);
        filter->setText(QString());
        QCOMPARE(categories->model()->rowCount(), 2);
        QCOMPARE(childOf<QTreeView>(form, "ListView2")->model()->rowCount(), 1);
    }

    void newRowAppendedWhateverTheFilterAndTheOtherListUntouched()
    {
        addRow("商品类别", "LB001", "饮料");
        addRow("计量单位", "DW001", "瓶");
        frmType* form = openForm();
        childOf<QLineEdit>(form, "TextName")->setText(QStringLiteral("001"));
        childOf<QLineEdit>(form, "TextName1")->setText(QStringLiteral("x"));
        QString proposed;
        addByKeyboard(QStringLiteral("零食"), &proposed);
        childOf<QPushButton>(form, "ComAdd")->click();
        QCOMPARE(shownRows(childOf<QTreeView>(form, "ListView1")), (QList<QStringList>{{"LB001", "饮料"}, {"LB002", "零食"}}));
        QCOMPARE(childOf<QTreeView>(form, "ListView2")->model()->rowCount(), 0);
    }

    void deleteOnEachSide()
    {
        addRow("商品类别", "LB001", "甲");
        // Asked for as shown, deleted as stored.
        addRow("商品类别", " LB002 ", "乙");
        addRow("计量单位", "DW001", "瓶");
        frmType* form = openForm();
        auto* categories = childOf<QTreeView>(form, "ListView1");
        clickRow(categories, 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        childOf<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[LB002]吗?"));
        QCOMPARE(stored("商品类别"), (QList<QStringList>{{"LB001", "甲"}}));
        QCOMPARE(selectedRow(categories), 0);

        // Nothing selected on the unit side: nothing asked.
        childOf<QPushButton>(form, "ComDel1")->click();
        QCOMPARE(MessageBox::shownTexts().size(), 1);

        auto* units = childOf<QTreeView>(form, "ListView2");
        clickRow(units, 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        childOf<QPushButton>(form, "ComDel1")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认删除[DW001]吗?"));
        QVERIFY(stored("计量单位").isEmpty());
        QCOMPARE(units->model()->rowCount(), 0);
        QCOMPARE(selectedRow(units), -1);
    }

    void failedDeleteKeepsTheRow()
    {
        addRow("商品类别", "LB001", "甲");
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->exec(QStringLiteral("create trigger keep before delete on 商品类别 "
                                              "begin select raise(abort, 'kept'); end")));
        }
        frmType* form = openForm();
        auto* categories = childOf<QTreeView>(form, "ListView1");
        clickRow(categories, 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        childOf<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Error 1811: kept"));
        QCOMPARE(categories->model()->rowCount(), 1);
        QCOMPARE(stored("商品类别").size(), 1);
    }

    void eitherReturnClosesTheWholeForm()
    {
        for (const char* button : {"ComRtn", "ComRtn1"}) {
            QPointer<frmType> form = openForm();
            childOf<QPushButton>(form, button)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(form.isNull());
        }
    }
};

VARNHOLT_TEST(TestFrmType)
#include "tst_frmtype.moc"
