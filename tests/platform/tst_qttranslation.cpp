#include "filedialogs.h"
#include "fixture.h"
#include "qttranslation.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>

namespace {
int rowOf(const QAbstractItemModel* model, const QModelIndex& parent, const QString& name)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        if (model->index(row, 0, parent).data().toString() == name)
            return row;
    }
    return -1;
}
}

class TestQtTranslation : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aQuestionShowsQtsChineseButtons()
    {
        QTranslator* translator = QtTranslation::install();
        QVERIFY2(translator, "qtbase_zh_CN is not installed");
        QMessageBox question(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("确定删除吗？"),
                             QMessageBox::Yes | QMessageBox::No);
        const QString yes = question.button(QMessageBox::Yes)->text();
        const QString no = question.button(QMessageBox::No)->text();
        // Other tests of this program read Qt's English texts.
        QCoreApplication::removeTranslator(translator);
        delete translator;
        QCOMPARE(yes, QStringLiteral("是(&Y)"));
        QCOMPARE(no, QStringLiteral("否(&N)"));
    }

    // The file dialog and the calendar speak Chinese whatever the system's
    // language; this test runs with LANG=C.
    void fileDialogAndCalendarAreChineseUnderAnEnglishSystem()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
        QVERIFY(QtTranslation::install());
        const QString folder = root() + QStringLiteral("/shop");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/报表")));
        QVERIFY(TestFiles::writeFile(folder + QStringLiteral("/db_kcgl.mdb"), "x"));

        const auto dialog = FileDialogs::dialog(nullptr, QStringLiteral("打开"), folder, QStringLiteral("所有文件(*)"));
        dialog->show();
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view);
        QAbstractItemModel* model = view->model();
        QTRY_VERIFY(rowOf(model, view->rootIndex(), QStringLiteral("报表")) >= 0);
        const int row = rowOf(model, view->rootIndex(), QStringLiteral("报表"));
        QCOMPARE(model->index(row, 2, view->rootIndex()).data().toString(), QStringLiteral("文件夹"));
        // Chinese short dates (2026/12/11 09:15), shown whole at the opening size.
        const QString date = model->index(row, 3, view->rootIndex()).data().toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}/\\d{1,2} \\d{2}:\\d{2}$")).match(date).hasMatch(),
                 qPrintable(date));
        QTRY_VERIFY(view->header()->sectionSize(3) > view->fontMetrics().horizontalAdvance(date));
        const int file = rowOf(model, view->rootIndex(), QStringLiteral("db_kcgl.mdb"));
        QCOMPARE(model->index(file, 1, view->rootIndex()).data().toString(), QStringLiteral("1 字节"));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(), QStringLiteral("查找范围："));

        QCalendarWidget calendar;
        calendar.setSelectedDate(QDate(2024, 12, 5));
        QCOMPARE(calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))->text(), QStringLiteral("十二月"));
    }
};

VARNHOLT_TEST(TestQtTranslation)
#include "tst_qttranslation.moc"
