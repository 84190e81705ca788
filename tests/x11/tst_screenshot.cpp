#include "JieTu.h"
#include "TuoPan.h"
#include "filedialogs.h"
#include "fixture.h"
#include "forms.h"
#include "ownserver.h"
#include "screenshotdrive.h"
#include "search.h"
#include "startteskarn.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>

using Teskarn::JieTu;
using Teskarn::search;
using Teskarn::TuoPan;
namespace Forms = Teskarn::Forms;
using namespace ScreenshotDrive;

namespace {
const QRgb red = qRgb(255, 0, 0);
// A selection across the corner of the red quarter, clear of the bar at the bottom right.
const QRect region(462, 334, 200, 100);

// What the test window shows: red in the top-left quarter, elsewhere
// colours in which every pixel differs from its neighbours.
QImage wallPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool redQuarter = x < size.width() / 2 && y < size.height() / 2;
            picture.setPixel(x, y, redQuarter ? red : qRgb(x % 256, y % 256, x / 256 * 40 + y / 256 * 20 + 60));
        }
    }
    return picture;
}

class ColourWall : public QWidget {
public:
    ColourWall()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_picture = wallPicture(size());
    }
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_picture); }

private:
    QImage m_picture;
};

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
QImage clipboardPicture() { return rgb(QGuiApplication::clipboard()->image()); }
bool clipboardEmpty() { return QGuiApplication::clipboard()->mimeData()->formats().isEmpty(); }

QByteArray fileStart(const QString& path, int length)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(length) : QByteArray();
}
}

class TestScreenshot : public VarnholtTestCase {
    Q_OBJECT
public:
    TestScreenshot()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private:
    // The test window over the whole screen, the bar over it, and F3 pressed.
    JieTu* openOverTheWall()
    {
        m_wall = new ColourWall;
        m_wall->show();
        if (!QTest::qWaitForWindowExposed(m_wall) || !Teskarn::start().runEventLoop)
            return nullptr;
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!QTest::qWaitFor([&] { return screen->grabWindow(0).toImage().pixel(10, 10) == red; }))
            return nullptr;
        if (!OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F3")}))
            return nullptr;
        return QTest::qWaitFor([] { return Forms::loaded<JieTu>() != nullptr; }) ? Forms::loaded<JieTu>() : nullptr;
    }

    ColourWall* m_wall = nullptr;

private slots:
    void f3FreezesTheScreenUnderTheFormOnce()
    {
        JieTu* form = openOverTheWall();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->geometry(), m_wall->geometry());
        // All but the bottom strip, where the bar stands.
        const QRect shown(0, 0, form->width(), form->height() - 60);
        QCOMPARE(rgb(form->grab(shown).toImage()), m_wall->picture().copy(shown));

        QSignalSpy f3(Forms::loaded<search>(), &search::screenshotRequested);
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("F3")}));
        QTRY_COMPARE(f3.size(), 1);
        int forms = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            forms += qobject_cast<JieTu*>(window) != nullptr;
        QCOMPARE(forms, 1);
        QCOMPARE(Forms::loaded<JieTu>(), form);
    }

    void showsTheColourUnderTheCursorAndTheSizeOfTheDrag()
    {
        JieTu* form = openOverTheWall();
        QVERIFY(form);
        // A move with no button held moves the pointer itself.
        QTest::mouseMove(form, QPoint(50, 50));
        QTRY_COMPARE(colourShown(), QStringLiteral("(255,0,0)"));
        QTest::mouseMove(form, QPoint(700, 500));
        QTRY_COMPARE(colourShown(), QStringLiteral("(188,244,160)"));
        drag(region.topLeft(), region.topLeft() + QPoint(region.width(), region.height()));
        QCOMPARE(sizeShown(), QStringLiteral("200x100"));
        QCOMPARE(selection(), region);
    }

    void copyPutsExactlyTheSelectionOnTheClipboardAndCloses_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("copy button") << false;
        QTest::newRow("double click inside") << true;
    }
    void copyPutsExactlyTheSelectionOnTheClipboardAndCloses()
    {
        QFETCH(bool, doubleClick);
        QPointer<JieTu> form(openOverTheWall());
        QVERIFY(form);
        drag(region.bottomRight() + QPoint(1, 1), region.topLeft());
        QCOMPARE(selection(), region);
        if (doubleClick)
            QTest::mouseDClick(form, Qt::LeftButton, {}, region.center());
        else
            click(QStringLiteral("Image2_1"));
        QTRY_VERIFY(!form);
        QCOMPARE(clipboardPicture(), m_wall->picture().copy(region));
    }

    void doubleClickOutsideTheSelectionDoesNothing()
    {
        QPointer<JieTu> form(openOverTheWall());
        QVERIFY(form);
        QGuiApplication::clipboard()->setText(QStringLiteral("先前的内容"));
        drag(region.topLeft(), region.bottomRight() + QPoint(1, 1));
        QTest::mouseClick(form, Qt::LeftButton, {}, region.center());
        // The right edge is outside.
        const QPoint outside(region.right() + 1, region.center().y());
        QTest::mouseClick(form, Qt::LeftButton, {}, outside);
        QTest::mouseDClick(form, Qt::LeftButton, {}, outside);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form && form->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("先前的内容"));
    }

    void saveWritesTheFormatItsSuffixNamesAndEmptiesTheClipboard_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("jpg") << "x.jpg"
                             << "x.jpg" << QByteArray("\xff\xd8");
        QTest::newRow("no suffix") << "x"
                                   << "x.bmp" << QByteArray("BM");
        QTest::newRow("png") << "x.png"
                             << "x.png" << QByteArray("\x89PNG");
        QTest::newRow("bmp") << "x.bmp"
                             << "x.bmp" << QByteArray("BM");
        QTest::newRow("no picture suffix") << "x.2024"
                                           << "x.2024.bmp" << QByteArray("BM");
    }
    void saveWritesTheFormatItsSuffixNamesAndEmptiesTheClipboard()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        QPointer<JieTu> form(openOverTheWall());
        QVERIFY(form);
        drag(region.topLeft(), region.bottomRight() + QPoint(1, 1));
        FileDialogs::setNextAnswer(tempFolder() + QLatin1Char('/') + answer);
        click(QStringLiteral("Image2_2"));
        QTRY_VERIFY(!form);
        const QString path = tempFolder() + QLatin1Char('/') + written;
        QCOMPARE(fileStart(path, start.size()), start);
        if (start != "\xff\xd8")
            QCOMPARE(rgb(QImage(path)), m_wall->picture().copy(region));
        else
            QCOMPARE(QImage(path).size(), region.size());
        QTRY_VERIFY(clipboardEmpty());
    }

    void cancelledSaveKeepsThePictureOnTheClipboard()
    {
        QPointer<JieTu> form(openOverTheWall());
        QVERIFY(form);
        drag(region.topLeft(), region.bottomRight() + QPoint(1, 1));
        FileDialogs::setNextAnswer(QString());
        click(QStringLiteral("Image2_2"));
        QTRY_VERIFY(!form);
        QCOMPARE(clipboardPicture(), m_wall->picture().copy(region));
    }

    // Started from the menu, the picture is the screen as it was without it.
    void fromTheMenuTheScreenIsFrozenWithoutTheMenu()
    {
        m_wall = new ColourWall;
        m_wall->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wall));
        QVERIFY(Teskarn::start().runEventLoop);
        search* bar = Forms::loaded<search>();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        auto* grip = bar->findChild<QWidget*>(QStringLiteral("PictureM"));
        QCursor::setPos(grip->mapToGlobal(grip->rect().center()));
        QScreen* screen = QGuiApplication::primaryScreen();
        QImage before;
        QVERIFY(QTest::qWaitFor([&] {
            const QImage now = rgb(screen->grabWindow(0).toImage());
            const bool settled = now == before && now.pixel(10, 10) == red;
            before = now;
            return settled;
        }));

        QTest::mousePress(grip, Qt::RightButton);
        QTest::mouseRelease(grip, Qt::RightButton);
        QMenu* menu = Forms::loaded<TuoPan>()->TP();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(QTest::qWaitFor([&] { return rgb(screen->grabWindow(0).toImage()) != before; }));
        auto* entry = menu->findChild<QAction*>(QStringLiteral("JTF3"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        QVERIFY(QTest::qWaitFor([] { return Forms::loaded<JieTu>() != nullptr; }));
        QCOMPARE(rgb(Forms::loaded<JieTu>()->grab().toImage()), before);
    }

    void escClosesTheForm()
    {
        QPointer<JieTu> form(openOverTheWall());
        QVERIFY(form);
        QTRY_VERIFY(form->isActiveWindow());
        QVERIFY(OwnServer::xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QTRY_VERIFY(!form);
    }
};

VARNHOLT_TEST(TestScreenshot)
#include "tst_screenshot.moc"
