#include "ReJian.h"
#include "clock.h"
#include "desktop.h"
#include "environment.h"
#include "fixture.h"
#include "forms.h"
#include "hotkeys.h"
#include "inifile.h"
#include "messagerecorder.h"
#include "search.h"
#include "startteskarn.h"
#include "teskarnstate.h"
#include "typing.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QUrl>

using Teskarn::search;
namespace Forms = Teskarn::Forms;

namespace {
QString stored(const QString& key) { return UserSettings::get(QStringLiteral("searchtool"), QStringLiteral("pos"), key); }

void store(const QString& top, const QString& left)
{
    UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("top"), top);
    UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("left"), left);
}

// The last address handed to the browser, as it goes over the wire.
QByteArray openedAddress() { return QUrl(DesktopOpener::recorded().last().target).toEncoded(); }

QSize screenPixels() { return QGuiApplication::primaryScreen()->size(); }

// Where a bar of that size opens without a stored place, in twips: the
// offscreen screen has no taskbar.
QPointF defaultTopLeft(const search* bar)
{
    return {screenPixels().height() * 15.0 - bar->height() * 15.0, screenPixels().width() * 15.0 - bar->width() * 15.0 - 10};
}
}

class TestSearch : public VarnholtTestCase {
    Q_OBJECT
public:
    TestSearch()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void startShowsTheBarAtTheDefaultAndStoresTopThenLeft()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        search* bar = Forms::loaded<search>();
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->windowTitle(), QStringLiteral("搜索条"));
        QVERIFY(bar->windowFlags().testFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(qRound(bar->windowOpacity() * 255), 168);
        QVERIFY(bar->findChild<QRadioButton*>(QStringLiteral("OptBD"))->isChecked());

        const QPointF place = defaultTopLeft(bar);
        QCOMPARE(bar->Top(), place.x());
        QCOMPARE(bar->Left(), place.y());
        QCOMPARE(bar->pos(), QPoint(qRound(place.y() / 15), qRound(place.x() / 15)));
        QFile file(UserSettings::filePath(QStringLiteral("searchtool")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("[pos]\ntop=%1\nleft=%2\n").arg(place.x()).arg(place.y()));
        QVERIFY(UserSettings::filePath(QStringLiteral("searchtool")).endsWith(QStringLiteral("/config/Teskarn/searchtool.ini")));
    }

    void storedPlaceIsTakenWhenUsable_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("taken");
        QTest::newRow("hidden at the top") << "-410"
                                           << "1500" << true;
        QTest::newRow("fraction") << "1234.5"
                                  << "60" << true;
        QTest::newRow("not a number") << "abc"
                                      << "1500" << false;
        QTest::newRow("number and text") << "300"
                                         << "12px" << false;
        QTest::newRow("left missing") << "300"
                                      << "" << false;
        QTest::newRow("off every screen") << "300"
                                          << "9999999" << false;
        // 2^32 + 100 pixels, which an int wraps to 100.
        QTest::newRow("past an int's range") << "300"
                                             << "64424510940" << false;
        QTest::newRow("1e30") << "1e30"
                              << "1500" << false;
    }
    void storedPlaceIsTakenWhenUsable()
    {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(bool, taken);
        store(top, left);
        search* bar = Forms::showModeless<search>();
        const QPointF expected = taken ? QPointF(top.toDouble(), left.toDouble()) : defaultTopLeft(bar);
        QCOMPARE(bar->Top(), expected.x());
        QCOMPARE(bar->Left(), expected.y());
        QCOMPARE(bar->pos(), QPoint(qRound(expected.y() / 15), qRound(expected.x() / 15)));
        QCOMPARE(stored(QStringLiteral("top")), taken ? top : QString::number(expected.x()));
    }

    void barHidesAtTheTopAndComesBackUnderTheCursor()
    {
        store(QStringLiteral("45"), QStringLiteral("1500")); // 3 pixels from the top
        search* bar = Forms::showModeless<search>();
        const int twipsHigh = bar->height() * 15;
        QCursor::setPos(bar->geometry().center());
        Clock::advance(100);
        QCOMPARE(bar->Top(), 45.0);

        QCursor::setPos(bar->geometry().center() + QPoint(0, 200));
        Clock::advance(100);
        QCOMPARE(bar->Top(), 40.0 - twipsHigh);
        QCOMPARE(bar->pos().y(), qRound((40.0 - twipsHigh) / 15));

        QCursor::setPos(QPoint(bar->x() + 20, 1)); // in the strip left on the screen
        Clock::advance(100);
        QCOMPARE(bar->Top(), -10.0);
        QCOMPARE(bar->pos().y(), -1);
        QVERIFY(bar->isVisible());

        bar->close();
        QCOMPARE(stored(QStringLiteral("top")), QStringLiteral("-10"));
    }

    void minimisedBarIsLeftAlone()
    {
        store(QStringLiteral("45"), QStringLiteral("1500"));
        search* bar = Forms::showModeless<search>();
        bar->showMinimized();
        QCursor::setPos(bar->geometry().center() + QPoint(0, 200));
        Clock::advance(100);
        QCOMPARE(bar->Top(), 45.0);
    }

    void draggedPlaceIsStoredOnActivationAndClose()
    {
        store(QStringLiteral("3000"), QStringLiteral("3000"));
        search* bar = Forms::showModeless<search>();
        const QPoint start = bar->pos();
        auto* grip = bar->findChild<QLabel*>(QStringLiteral("PictureM"));
        const QPoint hold = grip->rect().center();
        QTest::mousePress(grip, Qt::LeftButton, {}, hold);
        QTest::mouseMove(grip, hold + QPoint(-50, -20));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, hold + QPoint(-50, -20));
        QCOMPARE(bar->pos(), start + QPoint(-50, -20));
        QCOMPARE(bar->Left(), (start.x() - 50) * 15.0);
        QCOMPARE(bar->Top(), (start.y() - 20) * 15.0);
        QCOMPARE(stored(QStringLiteral("left")), QStringLiteral("3000"));

        // Activating the bar stores its place, and so does closing it.
        QApplication::setActiveWindow(bar);
        QCOMPARE(stored(QStringLiteral("left")), QString::number((start.x() - 50) * 15));
        QCOMPARE(stored(QStringLiteral("top")), QString::number((start.y() - 20) * 15));
        QTest::mousePress(grip, Qt::LeftButton, {}, hold);
        QTest::mouseMove(grip, hold + QPoint(5, 0));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, hold + QPoint(5, 0));
        bar->close();
        QCOMPARE(stored(QStringLiteral("left")), QString::number((start.x() - 45) * 15));
        QCOMPARE(EndRequest::count(), 1);
    }

    void otherButtonsAskForTheMenuAtTheCursor()
    {
        search* bar = Forms::showModeless<search>();
        QSignalSpy menu(bar, &search::menuRequested);
        const QPoint start = bar->pos();
        QCursor::setPos(bar->geometry().center());
        for (const char* grip : {"PictureM", "PictureM2", "PictureM3"})
            QTest::mousePress(bar->findChild<QLabel*>(QString::fromLatin1(grip)), Qt::RightButton);
        QTest::mousePress(bar, Qt::MiddleButton, {}, QPoint(1, 1)); // the background
        QCOMPARE(menu.size(), 4);
        QCOMPARE(menu.last().first().toPoint(), bar->geometry().center());
        QCOMPARE(bar->pos(), start);
    }

    void logoAsksForAPanelAfterStoringThePlace()
    {
        store(QStringLiteral("3000"), QStringLiteral("3000"));
        search* bar = Forms::showModeless<search>();
        QSignalSpy panel(bar, &search::panelRequested);
        bar->move(bar->pos() + QPoint(10, 0));
        auto* image1 = bar->findChild<QLabel*>(QStringLiteral("Image1"));
        QTest::mousePress(image1, Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("left")), QString::number(bar->x() * 15));
        QTest::mousePress(image1, Qt::RightButton);
        QCOMPARE(panel.size(), 2);
        QCOMPARE(panel.at(0).first().value<search::Panel>(), search::Panel::QuickLaunch);
        QCOMPARE(panel.at(1).first().value<search::Panel>(), search::Panel::QuickFolders);
    }

    void enterAndTheButtonSearchTheChosenService()
    {
        search* bar = Forms::showModeless<search>();
        auto* text1 = bar->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::mouseClick(bar->findChild<QRadioButton*>(QStringLiteral("OptJD")), Qt::LeftButton);
        typeText(text1, QStringLiteral("红 苹果"));
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QVERIFY(openedAddress().endsWith("keyword=%E7%BA%A2%20%E8%8B%B9%E6%9E%9C&enc=utf-8"));

        text1->clear();
        QTest::mouseClick(bar->findChild<QRadioButton*>(QStringLiteral("OptTB")), Qt::LeftButton);
        QTest::mouseClick(bar->findChild<QToolButton*>(QStringLiteral("CmdOK")), Qt::LeftButton);
        QCOMPARE(DesktopOpener::recorded().size(), 2);
        QVERIFY(openedAddress().endsWith("&q="));
    }

    void hotKeyProcedureAsksAndPassesEveryMessageOn()
    {
        search* bar = Forms::showModeless<search>();
        const WindowId window = bar->hWnd();
        QVERIFY(WindowMessages::windowProc(window) == &Teskarn::ReJian::HotKeyWndProc);
        const WindowProcedure before = Teskarn::State::instance().PreviousWndProc;
        QVERIFY(before);

        MessageRecorder::received().clear();
        Teskarn::State::instance().PreviousWndProc = MessageRecorder::procedure;
        QSignalSpy slot8(bar, &search::slot8Requested);
        QSignalSpy screenshot(bar, &search::screenshotRequested);
        QCOMPARE(WindowMessages::send(window, HotKeys::Message, 1, 0), MessageRecorder::answer);
        QCOMPARE(WindowMessages::send(window, HotKeys::Message, 2, 0), MessageRecorder::answer);
        QCOMPARE(WindowMessages::send(window, HotKeys::Message, 3, 0), MessageRecorder::answer);
        QCOMPARE(WindowMessages::send(window, 0x0200, 1, 0), MessageRecorder::answer);
        QCOMPARE(slot8.size(), 1);
        QCOMPARE(screenshot.size(), 1);
        QCOMPARE(
            MessageRecorder::received(),
            (QList<MessageRecorder::Message>{{HotKeys::Message, 1}, {HotKeys::Message, 2}, {HotKeys::Message, 3}, {0x0200, 1}}));

        Teskarn::State::instance().PreviousWndProc = before;
        bar->close();
        QVERIFY(WindowMessages::windowProc(window) == before);
        QCOMPARE(EndRequest::count(), 1);
    }
};

VARNHOLT_TEST(TestSearch)
#include "tst_search.moc"
