#include "dialogrules.h"
#include "fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWindow>

namespace {
// A dialog of three boxes, a box outside the Enter order, and two buttons;
// 确定 is made the default button as a designer would leave it.
struct Form {
    QDialog dialog;
    QLineEdit* text1 = new QLineEdit(&dialog);
    QLineEdit* text2 = new QLineEdit(&dialog);
    QLineEdit* text3 = new QLineEdit(&dialog);
    QLineEdit* loose = new QLineEdit(&dialog);
    QPushButton* command1 = new QPushButton(QStringLiteral("确定"), &dialog);
    QPushButton* command2 = new QPushButton(QStringLiteral("取消"), &dialog);

    Form()
    {
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w : {static_cast<QWidget*>(text1), static_cast<QWidget*>(text2), static_cast<QWidget*>(text3),
                           static_cast<QWidget*>(loose), static_cast<QWidget*>(command1), static_cast<QWidget*>(command2)})
            layout->addWidget(w);
        command1->setDefault(true);
    }
};
}

class TestDialogRules : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void centerFormPlacesTheFormMidScreen()
    {
        QDialog dialog;
        dialog.setFixedSize(300, 200);
        DialogRules::CenterForm(&dialog);
        const QRect screen = dialog.screen()->geometry();
        QCOMPARE(dialog.pos(), QPoint(screen.x() + (screen.width() - 300) / 2, screen.y() + (screen.height() - 200) / 2));
    }

    // A form larger than the screen's room shows whole: made smaller and moved in.
    void centerFormKeepsALargeFormWhole()
    {
        QDialog dialog;
        const QRect room = dialog.screen()->availableGeometry();
        dialog.resize(room.width() + 43, 200);
        DialogRules::CenterForm(&dialog);
        QVERIFY(room.contains(dialog.frameGeometry()));
        QCOMPARE(dialog.height(), 200);
    }

    void topmostDroppedInsideExecKeepsTheDialogUp()
    {
        QDialog dialog;
        DialogRules::SetTopmost(&dialog, true);
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        bool shownOnTop = false;
        bool stillShown = false;
        bool windowOnTop = true;
        bool widgetOnTop = true;
        QMetaObject::invokeMethod(
            &dialog,
            [&] {
                shownOnTop = dialog.isVisible() && dialog.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
                DialogRules::SetTopmost(&dialog, false);
                QMetaObject::invokeMethod(
                    &dialog,
                    [&] {
                        stillShown = dialog.isVisible();
                        windowOnTop = dialog.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
                        widgetOnTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                        dialog.done(7);
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        QCOMPARE(dialog.exec(), 7);
        QVERIFY(shownOnTop);
        QVERIFY(stillShown);
        QVERIFY(!windowOnTop);
        QVERIFY(!widgetOnTop);
    }

    void enterMovesOnAndNeverPressesTheDefaultButton()
    {
        Form form;
        int lastActions = 0;
        DialogKeyFilter::install(&form.dialog);
        EnterToNext::install({form.text1, form.text2, form.text3}, [&] { ++lastActions; });
        QSignalSpy command1(form.command1, &QPushButton::clicked);
        QSignalSpy command2(form.command2, &QPushButton::clicked);
        QSignalSpy finished(&form.dialog, &QDialog::finished);
        form.dialog.show();
        QVERIFY(!form.command1->isDefault());

        form.text1->setFocus();
        QTest::keyClick(form.text1, Qt::Key_Return);
        QCOMPARE(form.dialog.focusWidget(), form.text2);
        QTest::keyClick(form.text2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.dialog.focusWidget(), form.text3);
        QTest::keyClick(form.text3, Qt::Key_Return);
        QCOMPARE(lastActions, 1);
        QCOMPARE(form.dialog.focusWidget(), form.text3);

        // A box outside the order: Enter is used up all the same.
        form.loose->setFocus();
        QTest::keyClick(form.loose, Qt::Key_Return);
        QCOMPARE(form.dialog.focusWidget(), form.loose);

        QTest::keyClick(form.text1, Qt::Key_Escape);
        QCOMPARE(command1.count(), 0);
        QCOMPARE(command2.count(), 0);
        QCOMPARE(finished.count(), 0);
        QVERIFY(form.dialog.isVisible());

        form.command2->setFocus();
        QTest::keyClick(form.command2, Qt::Key_Return);
        QCOMPARE(command2.count(), 1);
        QCOMPARE(command1.count(), 0);
        QCOMPARE(lastActions, 1);
    }

    // Enter leaves an empty box only in the editor variant; the last box hands
    // the focus to the save button, and Enter there presses it.
    void editorVariantMovesOnlyFromFilledBoxes()
    {
        Form form;
        DialogKeyFilter::install(&form.dialog);
        EnterToNext::install(
            {form.text1, form.text2}, [&] { form.command1->setFocus(); }, EnterToNext::Mode::FromFilledBox);
        QSignalSpy command1(form.command1, &QPushButton::clicked);
        form.dialog.show();

        form.text1->setFocus();
        QTest::keyClick(form.text1, Qt::Key_Return);
        QCOMPARE(form.dialog.focusWidget(), form.text1);
        QTest::keyClick(form.text1, Qt::Key_Space);
        QTest::keyClick(form.text1, Qt::Key_Return);
        QCOMPARE(form.dialog.focusWidget(), form.text2);
        QTest::keyClicks(form.text2, QStringLiteral("apple"));
        QTest::keyClick(form.text2, Qt::Key_Return);
        QCOMPARE(form.dialog.focusWidget(), form.command1);
        QCOMPARE(command1.count(), 0);
        QTest::keyClick(form.command1, Qt::Key_Return);
        QCOMPARE(command1.count(), 1);
    }

    void escapeRunsTheFormsOwnActionOnly()
    {
        Form form;
        int escapes = 0;
        DialogKeyFilter::install(&form.dialog, [&] { ++escapes; });
        QSignalSpy finished(&form.dialog, &QDialog::finished);
        form.dialog.show();
        form.text2->setFocus();
        QTest::keyClick(form.text2, Qt::Key_Escape);
        QCOMPARE(escapes, 1);
        QCOMPARE(finished.count(), 0);
        QVERIFY(form.dialog.isVisible());
    }

    // Buttons built after the filter was installed lose their default role at show.
    void buttonsAddedLaterAreNotDefaults()
    {
        QDialog dialog;
        DialogKeyFilter::install(&dialog);
        auto* late = new QPushButton(QStringLiteral("保存(&S)"), &dialog);
        auto* box = new QLineEdit(&dialog);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(box);
        layout->addWidget(late);
        late->setDefault(true);
        QSignalSpy clicked(late, &QPushButton::clicked);
        dialog.show();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!late->autoDefault());
    }
};

VARNHOLT_TEST(TestDialogRules)
#include "tst_dialogrules.moc"
