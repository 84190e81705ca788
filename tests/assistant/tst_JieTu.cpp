#include "JieTu.h"
#include "filedialogs.h"
#include "fixture.h"
#include "forms.h"
#include "messagebox.h"
#include "search.h"
#include "screenshotdrive.h"
#include "startteskarn.h"
#include "teskarndriver.h"

#include <QClipboard>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

using Teskarn::JieTu;
namespace Forms = Teskarn::Forms;
using namespace ScreenshotDrive;

namespace {
const QString bmpFilter = QStringLiteral("位图文件(*.bmp) (*.bmp)");
const QString jpegFilter = QStringLiteral("JPEG文件(*.jpg) (*.jpg)");
const QString allFilter = QStringLiteral("所有文件(*.*) (*)");

QPoint handlePlace(int index) { return part(QStringLiteral("Image1_%1").arg(index))->pos(); }
QWidget* toolbar() { return part(QStringLiteral("Picture1")); }

// Drags a handle until its top-left is at the point, as the mouse moves it.
void dragHandleTo(QWidget* handle, QPoint point)
{
    QCursor::setPos(Forms::loaded<JieTu>()->mapToGlobal(point));
    QTest::mouseMove(handle, handle->mapFromGlobal(QCursor::pos()));
}
}

class TestJieTu : public VarnholtTestCase {
    Q_OBJECT
public:
    TestJieTu()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void opensOverTheWholeScreenAndOnlyOnce()
    {
        JieTu* form = Forms::showModeless<JieTu>();
        QVERIFY(form->isVisible());
        QCOMPARE(form->geometry(), QGuiApplication::primaryScreen()->geometry());
        QVERIFY(form->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(form->mode(), QStringLiteral("draw"));
        QVERIFY(!toolbar()->isVisible());
        QCOMPARE(Forms::showModeless<JieTu>(), form);
        QCOMPARE(QApplication::topLevelWidgets().count(form), 1);
    }

    void menuEntryOpensTheForm()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(TeskarnDriver::chooseFromMenu(QStringLiteral("JTF3")));
        QTRY_VERIFY(Forms::loaded<JieTu>() && Forms::loaded<JieTu>()->isVisible());
    }

    // F3 over one of the program's modal dialogs: the picture takes the mouse.
    void f3OverAModalDialogGivesThePictureTheInput()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        QDialog dialog;
        QString mode;
        QTimer::singleShot(0, &dialog, [&dialog, &mode] {
            emit Forms::loaded<Teskarn::search>()->screenshotRequested();
            if (JieTu* form = Forms::loaded<JieTu>()) {
                // Through the window, where a modal dialog blocks what it does not own.
                QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(300, 200));
                mode = form->mode();
                form->close();
            }
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(mode, QStringLiteral("move"));
    }

    void clickLeavesAnEmptySelectionThatCopiesAndSavesNothing()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("先前的内容"));
        for (const QString& button : {QStringLiteral("Image2_1"), QStringLiteral("Image2_2")}) {
            JieTu* form = Forms::showModeless<JieTu>();
            QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(300, 200));
            QCOMPARE(form->mode(), QStringLiteral("move"));
            QCOMPARE(selection(), QRect(300, 200, 0, 0));
            QVERIFY(toolbar()->isVisible());
            QCOMPARE(toolbar()->pos(), QPoint(300 - toolbar()->width(), 204));

            QPointer<JieTu> closing(form);
            click(button);
            QTRY_VERIFY(!closing);
            QVERIFY(FileDialogs::captionsShown().isEmpty());
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("先前的内容"));
        }
    }

    void dragEitherWayGivesTheSameSelection_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("down right") << QPoint(100, 100) << QPoint(300, 200);
        QTest::newRow("up left") << QPoint(300, 200) << QPoint(100, 100);
    }
    void dragEitherWayGivesTheSameSelection()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        JieTu* form = Forms::showModeless<JieTu>();
        drag(from, to);
        QCOMPARE(selection(), QRect(100, 100, 200, 100));
        QVERIFY(part(QStringLiteral("Shape1"))->isVisible());
        QCOMPARE(sizeShown(), QStringLiteral("200x100"));
        QCOMPARE(part(QStringLiteral("LblPos"))->pos(), QPoint(102, 102));
        QCOMPARE(handlePlace(0), QPoint(97, 97));
        QCOMPARE(handlePlace(2), QPoint(296, 97));
        QCOMPARE(handlePlace(6), QPoint(297, 197));
        QCOMPARE(form->mode(), QStringLiteral("move"));
        QCOMPARE(toolbar()->pos(), QPoint(300 - toolbar()->width(), 204));
    }

    void movedSelectionStopsAtTheScreenEdges()
    {
        JieTu* form = Forms::showModeless<JieTu>();
        drag({100, 100}, {300, 200});
        drag({150, 150}, {10, 20});
        QCOMPARE(selection(), QRect(0, 0, 200, 100));
        QCOMPARE(part(QStringLiteral("LblPos"))->pos(), QPoint(2, 2));
        drag({50, 50}, {form->width() + 500, form->height() + 500});
        QCOMPARE(selection(), QRect(form->width() - 200, form->height() - 100, 200, 100));
        QCOMPARE(form->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(sizeShown(), QStringLiteral("200x100"));
    }

    void pressOutsideDropsTheSelection()
    {
        JieTu* form = Forms::showModeless<JieTu>();
        drag({100, 100}, {300, 200});
        // The right edge is outside.
        QTest::mousePress(form, Qt::LeftButton, {}, QPoint(300, 150));
        QCOMPARE(form->mode(), QStringLiteral("draw"));
        QVERIFY(!part(QStringLiteral("Shape1"))->isVisible());
        QVERIFY(!part(QStringLiteral("LblPos"))->isVisible());
        QVERIFY(!part(QStringLiteral("Image1_0"))->isVisible());
        QVERIFY(!toolbar()->isVisible());
        QTest::mouseMove(form, QPoint(400, 300));
        QTest::mouseRelease(form, Qt::LeftButton, {}, QPoint(400, 300));
        QCOMPARE(selection(), QRect(300, 150, 100, 150));
    }

    void handleResizesAndKeepsTheLastSizeWhenDraggedPastTheOppositeSide()
    {
        JieTu* form = Forms::showModeless<JieTu>();
        drag({100, 100}, {400, 300});
        QWidget* handle6 = part(QStringLiteral("Image1_6"));
        QCOMPARE(handle6->cursor().shape(), Qt::SizeFDiagCursor);
        QTest::mousePress(handle6, Qt::LeftButton);
        QVERIFY(!toolbar()->isVisible());
        dragHandleTo(handle6, {450, 350});
        QCOMPARE(selection(), QRect(100, 100, 350, 250));
        QCOMPARE(sizeShown(), QStringLiteral("350x250"));
        QCOMPARE(handlePlace(6), QPoint(447, 347));

        dragHandleTo(handle6, {60, 200});
        QCOMPARE(selection(), QRect(100, 100, 350, 250));
        QCOMPARE(handlePlace(6), QPoint(447, 347));
        QTest::mouseRelease(handle6, Qt::LeftButton);
        QVERIFY(toolbar()->isVisible());
        QCOMPARE(toolbar()->pos(), QPoint(450 - toolbar()->width(), 354));

        // The next move starts from where the resize left the selection.
        drag({200, 200}, {210, 220});
        QCOMPARE(selection(), QRect(110, 120, 350, 250));
        QCOMPARE(form->mode(), QStringLiteral("move"));
    }

    void cancelButtonDropsTheSelectionAndKeepsTheFormOpen()
    {
        JieTu* form = Forms::showModeless<JieTu>();
        drag({100, 100}, {300, 200});
        click(QStringLiteral("Image2_0"));
        QVERIFY(form->isVisible());
        QCOMPARE(form->mode(), QStringLiteral("draw"));
        QVERIFY(!part(QStringLiteral("Shape1"))->isVisible());
        QVERIFY(!part(QStringLiteral("LblPos"))->isVisible());
        QVERIFY(!part(QStringLiteral("Image1_7"))->isVisible());
        QVERIFY(!toolbar()->isVisible());
        drag({500, 400}, {520, 430});
        QCOMPARE(selection(), QRect(500, 400, 20, 30));
    }

    void closeButtonAndEscCloseTheForm()
    {
        QPointer<JieTu> form(Forms::showModeless<JieTu>());
        drag({100, 100}, {300, 200});
        click(QStringLiteral("Image2_3"));
        QTRY_VERIFY(!form);
        form = Forms::showModeless<JieTu>();
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(!form);
    }

    void hoverFramesTheButtonUnderTheMouse()
    {
        Forms::showModeless<JieTu>();
        drag({100, 100}, {300, 200});
        const auto framesShown = [] {
            QList<int> shown;
            for (int i = 0; i < 4; ++i) {
                if (part(QStringLiteral("Shape3_%1").arg(i))->isVisible())
                    shown << i;
            }
            return shown;
        };
        QCOMPARE(framesShown(), QList<int>());
        QTest::mouseMove(part(QStringLiteral("Image2_2")));
        QCOMPARE(framesShown(), QList<int>{2});
        QTest::mouseMove(part(QStringLiteral("Image2_0")));
        QCOMPARE(framesShown(), QList<int>{0});
        QTest::mouseMove(toolbar(), QPoint(1, 1));
        QCOMPARE(framesShown(), QList<int>());
        QCOMPARE(toolbar()->cursor().shape(), Qt::ArrowCursor);
    }

    void saveDialogOffersJpegFirstAndStartsInPicturesElseHome()
    {
        for (const bool withPictures : {false, true}) {
            const QString pictures = homeFolder() + QStringLiteral("/Pictures");
            if (withPictures)
                QVERIFY(QDir().mkpath(pictures));
            FileDialogs::clear();
            QGuiApplication::clipboard()->clear();
            Forms::showModeless<JieTu>();
            drag({100, 100}, {300, 200});
            FileDialogs::setNextAnswer(QString());
            click(QStringLiteral("Image2_2"));
            QCOMPARE(FileDialogs::captionsShown(), QStringList{QStringLiteral("保存为")});
            QCOMPARE(FileDialogs::filtersShown(), QStringList{QStringList({bmpFilter, jpegFilter, allFilter}).join(";;")});
            QCOMPARE(FileDialogs::selectedFiltersShown(), QStringList{jpegFilter});
            QCOMPARE(FileDialogs::dirsShown(), QStringList{withPictures ? pictures : homeFolder()});
            // Cancelled: the picture stays on the clipboard.
            QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(200, 100));
            QTRY_VERIFY(!Forms::loaded<JieTu>());
        }
    }

    void saveIntoAFolderBlockedByAFileReportsAndKeepsThePicture()
    {
        const QString blocker = tempFolder() + QStringLiteral("/截图");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = blocker + QStringLiteral("/x.jpg");
        Forms::showModeless<JieTu>();
        drag({100, 100}, {300, 200});
        FileDialogs::setNextAnswer(path);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(QStringLiteral("Image2_2"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("截图保存失败：") + path});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(200, 100));
        QTRY_VERIFY(!Forms::loaded<JieTu>());
    }
};

VARNHOLT_TEST(TestJieTu)
#include "tst_JieTu.moc"
