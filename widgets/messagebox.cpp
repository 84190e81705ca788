#include "messagebox.h"
#include "openboxes.h"
#include "program.h"

#include <QQueue>
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

MessageBox::Button MessageBox::show(QWidget* parent, const QString& text, const QString& title, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons, Button defaultButton)
{
    MessageBoxRecord record{text, title.isEmpty() ? Program::name() : title, icon, buttons};
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
    QMessageBox box(icon, record.title, text, buttons, parent);
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
