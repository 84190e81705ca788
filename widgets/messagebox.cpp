#include "messagebox.h"
#include "openboxes.h"
#include "program.h"

#include <QApplication>
#include <QFontMetrics>
#include <QQueue>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace {
struct State {
    bool scripted = false;
    QQueue<MessageBox::Button> answers;
    QList<MessageBoxRecord> shown;
    std::function<void(const MessageBoxRecord&)> unqueued;
};

State& state()
{
    static State s;
    return s;
}

MessageBox::Button firstButton(QMessageBox::StandardButtons buttons)
{
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(QMessageBox::StandardButton(bit)))
            return QMessageBox::StandardButton(bit);
    }
    return QMessageBox::Ok;
}
}

QString MessageBox::fitToScreen(const QString& text, const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return text;
    // A box wraps a long text at half the screen's width (at most 500
    // pixels), less its icon; its height is kept to two thirds of the screen.
    const QSize screenSize = screen->availableGeometry().size();
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const int rowWidth = std::max(std::min(screenSize.width() / 2, 500) - 100, 50);
    int rowsLeft = std::max(screenSize.height() * 2 / 3 / metrics.lineSpacing(), 2);
    // No more of a line is measured than its rows could ever show.
    const qsizetype longest = qsizetype(rowsLeft) * rowWidth / std::max(metrics.horizontalAdvance(QLatin1Char('.')), 1);
    QStringList kept;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString head = line.left(longest);
        const int rows = std::max(1, (metrics.horizontalAdvance(head) + rowWidth - 1) / rowWidth);
        if (rows > rowsLeft || (rows == rowsLeft && head.size() < line.size())) {
            // Word wrapping wastes part of each row: cut a little short.
            if (rowsLeft > 1)
                kept << metrics.elidedText(head, Qt::ElideRight, (rowsLeft - 1) * rowWidth * 4 / 5);
            kept << QStringLiteral("…");
            return kept.join(QLatin1Char('\n'));
        }
        kept << line;
        rowsLeft -= rows;
    }
    return text;
}

MessageBox::Button MessageBox::show(QWidget* parent, const QString& text, const QString& title, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons, Button defaultButton)
{
    MessageBoxRecord record{fitToScreen(text, parent), title.isEmpty() ? Program::name() : title, icon, buttons};
    State& s = state();
    if (s.scripted) {
        if (!s.answers.isEmpty()) {
            record.answer = s.answers.dequeue();
        } else {
            record.answer = defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
            s.shown.append(record);
            if (s.unqueued)
                s.unqueued(record);
            return record.answer;
        }
        s.shown.append(record);
        return record.answer;
    }
    QMessageBox box(icon, record.title, record.text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    OpenBoxes::opened();
    record.answer = Button(box.exec());
    s.shown.append(record);
    OpenBoxes::closed();
    return record.answer;
}

void MessageBox::information(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, text, title, QMessageBox::Information, QMessageBox::Ok);
}

bool MessageBox::askYesNo(QWidget* parent, const QString& text, const QString& title, QMessageBox::Icon icon)
{
    return show(parent, text, title, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBox::askOkCancel(QWidget* parent, const QString& text, const QString& title, QMessageBox::Icon icon)
{
    return show(parent, text, title, icon, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void MessageBox::setScripted(bool scripted) { state().scripted = scripted; }
void MessageBox::setNextAnswer(Button answer) { state().answers.enqueue(answer); }
int MessageBox::pendingAnswers() { return int(state().answers.size()); }
const QList<MessageBoxRecord>& MessageBox::shown() { return state().shown; }

QStringList MessageBox::shownTexts()
{
    QStringList texts;
    for (const auto& record : state().shown)
        texts << record.text;
    return texts;
}

void MessageBox::clear()
{
    state().answers.clear();
    state().shown.clear();
}

void MessageBox::setUnqueuedAction(std::function<void(const MessageBoxRecord&)> action) { state().unqueued = std::move(action); }
