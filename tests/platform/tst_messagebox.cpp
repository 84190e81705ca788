#include "fixture.h"
#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace {
// The size a real box takes for the text once shown.
QSize shownSize(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Teskarn"), text, QMessageBox::Ok);
    box.show();
    return box.frameGeometry().size();
}
}

class TestMessageBox : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // A failing command's output goes into its box: the box fits the screen.
    void longTextIsCutToWhatTheScreenHolds_data()
    {
        QTest::addColumn<QString>("output");
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << QStringLiteral("第 %1 行：Failed to set wall message, ignoring: Access denied").arg(i);
        QTest::newRow("many lines") << lines.join(QLatin1Char('\n'));
        QTest::newRow("one long line") << QStringLiteral("Access denied by the policy. ").repeated(4000);
    }
    void longTextIsCutToWhatTheScreenHolds()
    {
        QFETCH(QString, output);
        const QString text = QStringLiteral("定时关机设置失败：") + output;
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::show(nullptr, text, {}, QMessageBox::Warning);
        const QString shown = MessageBox::shownTexts().first();
        QVERIFY(shown.startsWith(text.left(40)));
        QVERIFY(shown.endsWith(QStringLiteral("…")));

        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY(shownSize(text).height() > screen.height());
        const QSize cut = shownSize(shown);
        QVERIFY2(cut.height() <= screen.height() && cut.width() <= screen.width(),
                 qPrintable(QStringLiteral("%1x%2").arg(cut.width()).arg(cut.height())));
    }

    void textThatFitsIsShownWhole()
    {
        const QString text = QStringLiteral(
            "取消定时关机失败：Access denied\n22:30 的关机可能仍在计划中。\n每天定时关机已清除。");
        QCOMPARE(MessageBox::fitToScreen(text), text);
    }
};

VARNHOLT_TEST(TestMessageBox)
#include "tst_messagebox.moc"
