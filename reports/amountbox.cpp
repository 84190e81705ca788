#include "amountbox.h"
#include "amount.h"
#include "boxlimit.h"
#include "numbertext.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
const QChar Point = QLatin1Char('.');
const QChar Minus = QLatin1Char('-');
const QChar Comma = QLatin1Char(',');

// Where a text's decimal point stands; at its end when it has none.
qsizetype pointOf(const QString& text)
{
    const qsizetype point = text.indexOf(Point);
    return point < 0 ? text.size() : point;
}

// The caret of the new text at the same distance from the point as in the old one.
int caretAfterRewrite(const QString& before, int caret, const QString& after)
{
    const qsizetype moved = pointOf(after) + (caret - pointOf(before));
    return int(qBound<qsizetype>(0, moved, after.size()));
}
}

AmountBox::AmountBox(QLineEdit* box, const QString& caption, std::function<void()> changed)
    : QObject(box)
    , m_box(box)
    , m_changed(std::move(changed))
    , m_left(box, [box] { BoxLimit::refuses(box); })
{
    BoxLimit::setCaption(box, caption);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &AmountBox::rewrite);
    rewrite(box->text());
}

AmountBox* AmountBox::install(QLineEdit* box, const QString& caption, std::function<void()> changed)
{
    return new AmountBox(box, caption, std::move(changed));
}

void AmountBox::rewrite(const QString& text)
{
    if (m_rewriting)
        return;
    QString money = Module2::FormatMoney(text);
    if (const Amount typed = Amount::fromText(money); m_minusPending && !typed.isZero()) {
        money = (-typed).toMoneyText();
        m_minusPending = false;
    }
    if (money != text) {
        const int caret = caretAfterRewrite(text, m_box->cursorPosition(), money);
        m_rewriting = true;
        m_box->setText(money);
        m_box->setCursorPosition(caret);
        m_rewriting = false;
    }
    if (m_changed)
        m_changed();
}

bool AmountBox::negate()
{
    const QString text = m_box->text();
    const int start = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    if (start > 1 || (start == 1 && !text.startsWith(Minus)))
        return false;
    QString rest = text;
    if (m_box->hasSelectedText())
        rest.remove(start, m_box->selectedText().size());
    const QString before = Module2::FormatMoney(rest);
    const Amount amount = Amount::fromText(before);
    const QString after = (-amount).toMoneyText();
    m_box->setText(after);
    // Over a zero amount the caret waits before the point, where a digit replaces the zero.
    m_box->setCursorPosition(amount.isZero() ? int(pointOf(after)) : caretAfterRewrite(before, start, after));
    m_minusPending = amount.isZero();
    return true;
}

bool AmountBox::keepPoint(const QKeyEvent* event)
{
    const QString text = m_box->text();
    const qsizetype point = text.indexOf(Point);
    if (point < 0)
        return false;
    const bool erases = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    if (!m_box->hasSelectedText()) {
        // Erasing next to the point steps over it.
        if (event->key() == Qt::Key_Backspace && m_box->cursorPosition() == point + 1)
            m_box->setCursorPosition(int(point));
        else if (event->key() == Qt::Key_Delete && m_box->cursorPosition() == point)
            m_box->setCursorPosition(int(point) + 1);
        else
            return false;
        return true;
    }
    const QString typed = event->text();
    const bool types = !typed.isEmpty() && typed.at(0).isPrint() && typed != Point;
    const int start = m_box->selectionStart();
    const int end = m_box->selectionEnd();
    if (!(erases || types) || point < start || point >= end || end == text.size())
        return false;
    m_box->insert((erases ? QString() : typed) + Point);
    m_box->setCursorPosition(int(pointOf(m_box->text())));
    return true;
}

bool AmountBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_box->selectAll();
        // A click that gave the focus places the caret afterwards: select again once it has.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, m_box, &QLineEdit::selectAll);
        return false;
    case QEvent::FocusOut:
        m_minusPending = false;
        return false;
    case QEvent::KeyPress: {
        if (m_box->isReadOnly())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        // A grouping comma adds nothing to the amount: typing goes on past it.
        if (typed == Comma)
            return true;
        const qsizetype point = m_box->text().indexOf(Point);
        if (typed == Point && !m_box->hasSelectedText() && point >= 0) {
            if (m_box->cursorPosition() <= point)
                m_box->setCursorPosition(int(point) + 1);
            return true;
        }
        return (typed == Minus && negate()) || keepPoint(key);
    }
    default:
        return false;
    }
}
