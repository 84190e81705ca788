#include "adoS.h"
#include "filedialogs.h"
#include "fixture.h"
#include "messagebox.h"
#include "showfiledialog.h"
#include "touming.h"

#include <QRect>
#include <QWidget>

class TestWindowHelpers : public VarnholtTestCase {
    Q_OBJECT
public:
    TestWindowHelpers()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void alphaIsPercentOf255RoundedHalfToEven_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<int>("alpha");
        QTest::newRow("66") << 66.0f << 168;
        QTest::newRow("100") << 100.0f << 255;
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("25.5 to even") << 10.0f << 26;
        QTest::newRow("76.5 to even") << 30.0f << 76;
        QTest::newRow("above 100") << 150.0f << 255;
    }
    void alphaIsPercentOf255RoundedHalfToEven()
    {
        QFETCH(float, percent);
        QFETCH(int, alpha);
        QWidget form;
        Teskarn::touming::SetFormAlpha(&form, percent);
        QCOMPARE(qRound(form.windowOpacity() * 255), alpha);
    }

    void taskbarHeightIsTheBottomStripInTwips_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<int>("twips");
        QTest::newRow("bottom, 30 px") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1050) << 450;
        QTest::newRow("left") << QRect(0, 0, 1920, 1080) << QRect(48, 0, 1872, 1080) << 0;
        QTest::newRow("top") << QRect(0, 0, 1920, 1080) << QRect(0, 30, 1920, 1050) << 0;
        QTest::newRow("screen below another") << QRect(0, 1080, 1280, 1024) << QRect(0, 1080, 1280, 984) << 600;
    }
    void taskbarHeightIsTheBottomStripInTwips()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, workArea);
        QFETCH(int, twips);
        QCOMPARE(int(Teskarn::adoS::TaskbarHeight(screen, workArea)), twips);
    }

    void tooLongAFileNameShowsTheOverflowBoxAndNoDialog()
    {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const QString chosen = Teskarn::Module2::ShowFileDialog(nullptr, false, QStringLiteral("请选择文件"),
                                                                QStringLiteral("所有文件(*.*)|*.*"),
                                                                QString(261, QLatin1Char('a')));
        QCOMPARE(chosen, QString());
        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBoxRecord box = MessageBox::shown().first();
        QCOMPARE(box.text, QStringLiteral("Filename Length Overflow"));
        QCOMPARE(box.title, QStringLiteral("Teskarn - FileDialog Function"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QVERIFY(FileDialogs::captionsShown().isEmpty());
    }

    void dialogShowsEveryFileAndGivesTheChoice_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("open") << false << QString() << QString() << "/opt/记账/run"
                              << "/opt/记账/run";
        QTest::newRow("260 characters") << false << QString(260, QLatin1Char('a')) << QString() << "/a"
                                        << "/a";
        QTest::newRow("cancelled") << false << QString() << QString() << QString() << QString();
        QTest::newRow("save adds the extension") << true << QString() << "txt"
                                                 << "/tmp/清单"
                                                 << "/tmp/清单.txt";
        QTest::newRow("save keeps a typed one") << true << QString() << "txt"
                                                << "/tmp/a.csv"
                                                << "/tmp/a.csv";
    }
    void dialogShowsEveryFileAndGivesTheChoice()
    {
        QFETCH(bool, save);
        QFETCH(QString, fileName);
        QFETCH(QString, extension);
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        FileDialogs::setNextAnswer(answer);
        QCOMPARE(Teskarn::Module2::ShowFileDialog(nullptr, save, QStringLiteral("请选择文件"),
                                                  QStringLiteral("所有文件(*.*)|*.*"), fileName, extension),
                 chosen);
        QCOMPARE(FileDialogs::captionsShown(), QStringList{QStringLiteral("请选择文件")});
        QCOMPARE(FileDialogs::filtersShown(), QStringList{QStringLiteral("所有文件(*.*) (*)")});
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

VARNHOLT_TEST(TestWindowHelpers)
#include "tst_windowhelpers.moc"
