#include "fixture.h"
#include "qttranslation.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTranslator>

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
};

VARNHOLT_TEST(TestQtTranslation)
#include "tst_qttranslation.moc"
