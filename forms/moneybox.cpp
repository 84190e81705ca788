#include "moneybox.h"
#include "decimaltext.h"
#include "messagebox.h"
#include "module2.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
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

// A number being written with an exponent: "1e", "1e2", "-2.5E+".
bool isExponentForm(const QString& text)
{
    static const QRegularExpression exponent(QStringLiteral("^\\s*[-+]?\\d[\\d,]*(\\.\\d*)?[eE][-+]?\\d*\\s*$"));
    return exponent.match(text).hasMatch();
}

// The box's text without its selection.
QString unselected(const QLineEdit* box)
{
    QString rest = box->text();
    if (box->hasSelectedText())
        rest.remove(box->selectionStart(), box->selectedText().size());
    return rest;
}

// Whether a text shows no figure but zero: "0.00", "0", "" or a lone sign.
bool showsOnlyZeros(const QString& text)
{
    static const QRegularExpression zeros(QStringLiteral("^\\s*[-+]?0*\\.?0*\\s*$"));
    return zeros.match(text).hasMatch();
}

// Tells when the next action starts: a key or a click anywhere.
class NextAction : public QObject {
public:
    NextAction(QObject* parent, std::function<void()> started)
        : QObject(parent)
        , m_started(std::move(started))
    {
    }
    void watch() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick
            || event->type() == QEvent::KeyPress) {
            qApp->removeEventFilter(this);
            m_started();
        }
        return false;
    }

private:
    std::function<void()> m_started;
};

void refuse(QWidget* focus, const QString& caption, const QString& limit)
{
    focus->setFocus(Qt::OtherFocusReason);
    MessageBox::show(focus->window(), QStringLiteral("%1不能大于[%2]。").arg(caption, limit), MessageBox::NoticeTitle);
}

// The count of decimals a number's text carries: "1.00005" has five.
int decimalsOf(const DecimalNumber& number) { return std::max(0, int(number.digits.size()) - number.point); }
}

MoneyBox::MoneyBox(QLineEdit* box, Design design, Focus focus)
    : QObject(box)
    , m_box(box)
    , m_design(std::move(design))
{
    if (m_design.shape == Shape::Whole)
        m_design.limit = Amount::whole(m_design.limit.tenThousandths() / Amount::Scale);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &MoneyBox::textChanged);
    if (focus == Focus::Own) {
        // Left for another widget of its window; the focus coming back from
        // another window to another widget is no leaving.
        m_moves.emplace(box, [this](QWidget* old, QWidget* now) {
            if (now == m_box) {
                if (!std::exchange(m_entered, true))
                    enter();
            } else if (old == m_box && std::exchange(m_entered, false)) {
                leave();
            }
        });
    }
    textChanged(box->text());
}

MoneyBox* MoneyBox::install(QLineEdit* box, Design design, Focus focus) { return new MoneyBox(box, std::move(design), focus); }

MoneyBox* MoneyBox::of(const QLineEdit* box) { return box->findChild<MoneyBox*>(QString(), Qt::FindDirectChildrenOnly); }

QString MoneyBox::shaped(const QString& text) const
{
    switch (m_design.shape) {
    case Shape::Money:
        return Module2::FormatMoney(text);
    case Shape::Whole:
        return Module2::FormatInt(text);
    case Shape::AsTyped:
        break;
    }
    return text;
}

void MoneyBox::textChanged(const QString& typed)
{
    if (m_rewriting)
        return;
    QString text = DecimalText::foldFullWidth(typed);
    QString shown = text;
    if (m_design.rewrite == Rewrite::OnEveryChange && !isExponentForm(text)) {
        shown = shaped(text);
        if (const Amount figure = Amount::fromText(shown); m_minusPending && !figure.isZero()) {
            shown = m_design.shape == Shape::Whole ? (-figure).toWholeText() : (-figure).toMoneyText();
            m_minusPending = false;
        }
    }
    if (shown != typed) {
        // Folding keeps every position; a rewrite keeps the caret's place to the point.
        const int caret = shown == text ? m_box->cursorPosition() : caretAfterRewrite(text, m_box->cursorPosition(), shown);
        m_rewriting = true;
        m_box->setText(shown);
        m_box->setCursorPosition(caret);
        m_rewriting = false;
    }
    if (m_design.changed)
        m_design.changed();
}

std::optional<Amount> MoneyBox::value() const
{
    const Amount::Reading reading = Amount::read(m_box->text(), Amount::bookLimit());
    if (reading.state == Amount::Reading::State::TooLarge)
        return std::nullopt;
    const Amount figure = reading.value.rounded(m_design.shape == Shape::Whole ? 0 : m_design.readDecimals);
    if (figure > m_design.limit || figure < -m_design.limit)
        return std::nullopt;
    return figure;
}

bool MoneyBox::refuses()
{
    if (value())
        return false;
    if (m_toldText == m_box->text()) {
        m_box->setFocus(Qt::OtherFocusReason);
        return true;
    }
    refuse(m_box, m_design.caption, m_design.shape == Shape::Whole ? m_design.limit.toWholeText() : m_design.limit.toMoneyText());
    // The rest of this action passes the refusal over: a click that leaves
    // the box and then acts, or a second check of the same figure.
    m_toldText = m_box->text();
    if (!m_nextAction)
        m_nextAction = new NextAction(this, [this] { m_toldText.reset(); });
    static_cast<NextAction*>(m_nextAction)->watch();
    return true;
}

void MoneyBox::tellAfterTheMove()
{
    // Setting the focus inside a move of it would fight the move (a closing
    // form hands its focus on): tell once the move is done, and only while
    // the box is shown and the user is still in its form.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QWidget* focus = QApplication::focusWidget();
            if (m_box->isVisible() && focus && formOf(focus) == formOf(m_box))
                refuses();
        },
        Qt::QueuedConnection);
}

void MoneyBox::enter()
{
    switch (m_design.select) {
    case Select::IntegerPart: {
        const int integerPart = int(pointOf(m_box->text()));
        if (integerPart > 0)
            m_box->setSelection(0, integerPart);
        else
            m_box->deselect();
        break;
    }
    case Select::All:
        m_box->selectAll();
        // A click that gave the focus places the caret afterwards: select again once it has.
        if (QApplication::mouseButtons() != Qt::NoButton) {
            QTimer::singleShot(0, m_box, [box = m_box] {
                if (box->hasFocus())
                    box->selectAll();
            });
        }
        break;
    case Select::Nothing:
        break;
    }
}

bool MoneyBox::leave()
{
    if (!value()) {
        tellAfterTheMove();
        return false;
    }
    m_minusPending = false;
    if (m_design.shape != Shape::AsTyped) {
        const QString shown = shaped(m_box->text());
        if (shown != m_box->text())
            m_box->setText(shown);
    }
    return true;
}

void MoneyBox::refuseComputed(QWidget* focus) { refuse(focus, QStringLiteral("金额"), Amount::bookLimit().toMoneyText()); }

bool MoneyBox::negate()
{
    const QString text = m_box->text();
    const int start = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    if (start > 1 || (start == 1 && !text.startsWith(Minus)))
        return false;
    const QString before = shaped(unselected(m_box));
    const Amount amount = Amount::fromText(before);
    const QString after = m_design.shape == Shape::Whole ? (-amount).toWholeText() : (-amount).toMoneyText();
    m_box->setText(after);
    m_box->setCursorPosition(caretAfterRewrite(before, start, after));
    return true;
}

bool MoneyBox::keepPoint(const QKeyEvent* event)
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
    // A selection over the point with decimals after it: what replaces it keeps the point.
    const QString typed = DecimalText::foldFullWidth(event->text());
    const bool types = !typed.isEmpty() && typed.at(0).isPrint() && typed != Point;
    const int start = m_box->selectionStart();
    const int end = m_box->selectionEnd();
    if (!(erases || types) || point < start || point >= end || end == text.size())
        return false;
    m_box->insert((erases ? QString() : typed) + Point);
    m_box->setCursorPosition(int(pointOf(m_box->text())));
    return true;
}

void MoneyBox::paste()
{
    const QString pasted = DecimalText::foldFullWidth(QApplication::clipboard()->text()).trimmed();
    DecimalNumber number;
    // A number pasted over a box that shows only zeros is the box's figure, whole.
    const bool whole = DecimalText::readWholeNumber(pasted, number) && showsOnlyZeros(unselected(m_box));
    const int start = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    QString text = whole ? pasted : unselected(m_box).insert(start, pasted);
    int caret = whole ? int(text.size()) : start + int(pasted.size());
    // Rounded once as it lands, to what the box holds.
    if (DecimalText::readWholeNumber(text, number) && decimalsOf(number) > typedDecimals()) {
        text = DecimalText::fixed(number, typedDecimals());
        caret = int(text.size());
    }
    replaceText(text, caret);
}

int MoneyBox::typedDecimals() const { return m_design.rewrite == Rewrite::OnEveryChange ? 2 : 4; }

bool MoneyBox::typeDigit(const QString& digit)
{
    const int at = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    QString text = unselected(m_box).insert(at, digit);
    const qsizetype point = text.indexOf(Point);
    if (point < 0 || at <= point || text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return false;
    // A digit past the last decimal the box holds is not taken; one typed
    // among the decimals pushes the last one out, never rounding the figure.
    if (at - point > typedDecimals())
        return true;
    qsizetype end = point + 1;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    if (end - point - 1 <= typedDecimals())
        return false;
    text.remove(point + 1 + typedDecimals(), end - point - 1 - typedDecimals());
    replaceText(text, at + 1);
    return true;
}

void MoneyBox::replaceText(const QString& text, int caret)
{
    m_rewriting = true;
    m_box->setText(text);
    m_box->setCursorPosition(caret);
    m_rewriting = false;
    textChanged(text);
}

bool MoneyBox::keyPressed(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    const QString typed = DecimalText::foldFullWidth(event->text());
    const bool folded = typed != event->text();
    if (typed == Minus && showsOnlyZeros(unselected(m_box))) {
        // A minus over a zero figure starts a negative one.
        if (m_design.rewrite == Rewrite::OnEveryChange) {
            const QString zero = shaped(QString());
            m_rewriting = true;
            m_box->setText(zero);
            m_rewriting = false;
            m_box->setCursorPosition(int(pointOf(zero)));
            m_minusPending = true;
        } else {
            m_box->setText(Minus);
        }
        return true;
    }
    if (m_design.rewrite == Rewrite::OnEveryChange) {
        // A grouping comma adds nothing to the figure: typing goes on past it.
        if (typed == Comma)
            return true;
        const qsizetype point = m_box->text().indexOf(Point);
        if (typed == Point && !m_box->hasSelectedText() && point >= 0) {
            if (m_box->cursorPosition() <= point)
                m_box->setCursorPosition(int(point) + 1);
            return true;
        }
        if ((typed == Minus && negate()) || keepPoint(event))
            return true;
        // An exponent after the whole digits starts a figure written with one:
        // the zero decimals the box showed go.
        if (typed.compare(QStringLiteral("e"), Qt::CaseInsensitive) == 0 && !m_box->hasSelectedText()) {
            const QString before = m_box->text().left(m_box->cursorPosition());
            DecimalNumber number;
            if (showsOnlyZeros(m_box->text().mid(m_box->cursorPosition())) && DecimalText::readWholeNumber(before, number)) {
                m_box->setText(before + typed);
                return true;
            }
        }
    }
    if (typed.size() == 1 && typed.at(0).isDigit() && typeDigit(typed))
        return true;
    if (folded && !typed.isEmpty()) {
        m_box->insert(typed);
        return true;
    }
    return false;
}

bool MoneyBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return !m_box->isReadOnly() && keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu: {
        // The menu's paste reads the clipboard as a typed paste does.
        QMenu* menu = m_box->createStandardContextMenu();
        if (auto* pasteAction = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
            pasteAction->disconnect();
            connect(pasteAction, &QAction::triggered, this, &MoneyBox::paste);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}
