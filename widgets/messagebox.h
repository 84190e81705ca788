#pragma once
#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

struct MessageBoxRecord {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// Every message box of both programs goes through here, so tests can answer
// boxes in advance and read back what was shown.
class MessageBox {
public:
    using Button = QMessageBox::StandardButton;
    // The title of the notices that ask nothing of the user.
    static inline const QString NoticeTitle = QStringLiteral("提示");

    static Button show(QWidget* parent, const QString& text, const QString& title = {},
                       QMessageBox::Icon icon = QMessageBox::NoIcon, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                       Button defaultButton = QMessageBox::NoButton);
    static void information(QWidget* parent, const QString& text, const QString& title = {});
    static bool askYesNo(QWidget* parent, const QString& text, const QString& title = {},
                         QMessageBox::Icon icon = QMessageBox::Question);
    static bool askOkCancel(QWidget* parent, const QString& text, const QString& title = {},
                            QMessageBox::Icon icon = QMessageBox::Question);

    // The text cut to what a box fits on the screen (the parent's, else the
    // primary one), ending in "…" when cut; a command's long output must not
    // make a box taller than the screen.
    static QString fitToScreen(const QString& text, const QWidget* parent = nullptr);

    // Test seam: answers come from a queue instead of the user.
    static void setScripted(bool scripted);
    static void setNextAnswer(Button answer);
    static int pendingAnswers();
    static const QList<MessageBoxRecord>& shown();
    static QStringList shownTexts();
    static void clear();
    // Called for a box that no queued answer was left for; the box then
    // answers with its default (or first) button.
    static void setUnqueuedAction(std::function<void(const MessageBoxRecord&)> action);
};
