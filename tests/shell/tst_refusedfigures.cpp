#include "MDIF_main.h"
#include "fixture.h"
#include "messagebox.h"
#include "slipbooks.h"
#include "typing.h"
#include "uidriver.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QVBoxLayout>

using namespace UiDriver;

namespace {
enum class Way { OtherBox, MenuRow, Esc, CloseButton, OtherChild, SearchBox };

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QMdiSubWindow* subWindowOf(const QWidget* form) { return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr; }
}

// A figure past its box's limit in a slip, then the user goes on in one of
// the ways a shopkeeper does, through the real main window. Only a move to
// another control of the slip itself tells the refusal; a slip that closes
// and a move into another window of the program tell nothing, and nothing
// takes the program down or reaches the books.
class TestRefusedFigures : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aRefusedFigureGoesQuietlyWithItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("told"); // refused by an Enter before
        QTest::addColumn<int>("way");
        const struct {
            const char* name;
            const char* item;
            const char* box;
            const char* caption;
        } slips[] = {{"stock-in", "Toolbar1_1", "TextQty", "数量"},
                     {"sale", "Toolbar1_3", "TextQty", "数量"},
                     {"stocktake", "S35", "TextQty2", "盘后数量"},
                     {"loss", "S33", "TextQty", "数量"}};
        const struct {
            const char* name;
            Way way;
        } ways[] = {
            {"another box of the slip", Way::OtherBox}, {"a menu row", Way::MenuRow},       {"Esc", Way::Esc},
            {"the close button", Way::CloseButton},     {"another child", Way::OtherChild}, {"the search box", Way::SearchBox}};
        for (const auto& slip : slips) {
            for (const auto& way : ways) {
                for (const bool told : {true, false}) {
                    QTest::addRow("%s, %s, %s", slip.name, way.name, told ? "told" : "typed")
                        << QString::fromLatin1(slip.item) << QString::fromLatin1(slip.box) << QString::fromUtf8(slip.caption)
                        << told << int(way.way);
                }
            }
        }
    }
    void aRefusedFigureGoesQuietlyWithItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QFETCH(bool, told);
        QFETCH(int, way);
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        const QStringList before = SlipBooks::wholeBooks();
        main->findChild<QAction*>(item)->trigger();
        QCOMPARE(childForms(main).size(), 1);
        QPointer<QWidget> slip = childForms(main).constFirst();
        QPointer<QMdiSubWindow> slipWindow = subWindowOf(slip);

        // Another child beside the slip, as a window the user may click into.
        auto* other = new QWidget;
        auto* otherBox = new QLineEdit(other);
        (new QVBoxLayout(other))->addWidget(otherBox);
        main->showChild(other);
        main->mdiArea()->setActiveSubWindow(slipWindow);
        QVERIFY(activate(main));

        const QString typed = QStringLiteral("2000000000000000");
        const QString refusal = caption + QStringLiteral("不能大于[999999999.99]。");
        auto* figure = slip->findChild<QLineEdit*>(box);
        QVERIFY(figure);
        figure->setFocus(Qt::OtherFocusReason);
        figure->selectAll();
        typeText(figure, typed);
        if (told) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(figure, Qt::Key_Return);
            QCOMPARE(MessageBox::shownTexts(), QStringList{refusal});
            QCOMPARE(main->focusWidget(), figure);
            MessageBox::clear();
        }

        switch (Way(way)) {
        case Way::OtherBox:
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(figure, Qt::Key_Tab);
            break;
        case Way::MenuRow:
            main->findChild<QAction*>(QStringLiteral("Toolbar1_7"))->trigger(); // 日常支出
            break;
        case Way::Esc:
            QTest::keyClick(figure, Qt::Key_Escape);
            break;
        case Way::CloseButton:
            slipWindow->close();
            break;
        case Way::OtherChild:
            QTest::mouseClick(otherBox, Qt::LeftButton);
            QCOMPARE(main->focusWidget(), otherBox);
            break;
        case Way::SearchBox: {
            auto* search = main->findChild<QWidget*>(QStringLiteral("SearchBox"))->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QTest::mouseClick(search, Qt::LeftButton);
            QCOMPARE(main->focusWidget(), search);
            break;
        }
        }
        settle();

        const bool stays = Way(way) == Way::OtherBox || Way(way) == Way::OtherChild || Way(way) == Way::SearchBox;
        QCOMPARE(!slip.isNull(), stays);
        if (Way(way) == Way::OtherBox) {
            // Told once, after the move, and the focus is back in the box.
            QCOMPARE(MessageBox::shownTexts(), QStringList{refusal});
            QCOMPARE(main->focusWidget(), figure);
        } else {
            QCOMPARE(MessageBox::shownTexts(), QStringList());
        }
        if (stays)
            QCOMPARE(figure->text(), typed);
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestRefusedFigures)
#include "tst_refusedfigures.moc"
