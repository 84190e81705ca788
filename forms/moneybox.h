#pragma once
// The one box a figure is typed into: a quantity, price, discount, payment,
// points, stock limit or expense. Full-width digits, point, minus and comma
// fold to ASCII as they are typed or pasted; a minus typed while the box
// shows only zeros starts a negative figure; a paste that is one number is
// read whole ("-1,234.5"), replacing a box that shows only zeros.
//
// The text is rewritten in one of two ways: as the box is left (slips,
// editors), or on every change (expenses), where the caret keeps its place
// relative to the point, a typed "." steps over the point the text has, and
// a typed comma is passed over. What is no number shows the box's own "no
// number" text ("0.00", "0"), never another figure: a number written with an
// exponent ("1e20") stands as typed until the box is left, and is read whole.
//
// A box shows the figure it feeds. Typing takes no digit past the decimals
// the box holds (four, the type's; two where the text is rewritten on every
// change), and a paste is rounded once to them as it lands. A whole-number
// box keeps what is typed while it has the focus; the whole number, rounded
// half away from zero, is what it shows once left and what any use takes.
//
// A figure past the box's limit is refused with "<caption>不能大于[<limit>]。"
// where Enter or a save acts on it, and after a move of the focus out of the
// box to another control of its own form, once that move has finished and
// while the user is still in the form: the box gets the focus back and keeps
// its text. A form that closes, or the focus going to another form, tells
// nothing; the figure waits for the box's next Enter or the save. One action
// (a key or a click) tells it once, however many checks it passes.
#include "amount.h"
#include "focusleave.h"

#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

class MoneyBox : public QObject {
    Q_OBJECT
public:
    // What the text is rewritten to.
    enum class Shape {
        Money,   // "0.00"
        Whole,   // "0"
        AsTyped, // the text stands as typed
    };
    enum class Rewrite {
        OnLeaving,
        OnEveryChange,
    };
    // What entering the box selects.
    enum class Select {
        IntegerPart, // the digits before the point, so typing keeps the decimals
        All,
        Nothing,
    };
    struct Design {
        QString caption = {};              // names the box in a refusal
        Amount limit = Amount::boxLimit(); // a whole-number box takes its whole part
        int readDecimals = 4;              // a use takes the figure rounded once to these: 2 reads it at the cent
        Shape shape = Shape::Money;
        Rewrite rewrite = Rewrite::OnLeaving;
        Select select = Select::IntegerPart;
        std::function<void()> changed = {}; // after each change of the text
    };
    // Who enters and leaves the box: its own focus moves within its window,
    // or its owner (the focus highlight, which colours it too).
    enum class Focus { Own, Owner };

    static MoneyBox* install(QLineEdit* box, Design design, Focus focus = Focus::Own);
    // The box's money box; none on another box.
    static MoneyBox* of(const QLineEdit* box);

    void setCaption(const QString& caption) { m_design.caption = caption; }
    // The box's figure; none when it is past the limit.
    std::optional<Amount> value() const;
    // True when the figure is past the limit: told (once per action), and the
    // focus is back in the box. Never from inside a move of the focus.
    bool refuses();
    void enter();
    // Rewrites the text to its shape; false when the figure is past the
    // limit, which is told once the move of the focus has finished.
    bool leave();

    // A figure the form computes from its boxes (a line's amount) past the
    // book limit: "金额不能大于[99999999999.99]。", the focus on the control.
    static void refuseComputed(QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MoneyBox(QLineEdit* box, Design design, Focus focus);
    void textChanged(const QString& text);
    // The text the box shows for a text: its shape's form.
    QString shaped(const QString& text) const;
    bool keyPressed(QKeyEvent* event);
    // The decimals a typed or pasted figure keeps.
    int typedDecimals() const;
    // A digit typed at the caret; false when the box takes it as it is.
    bool typeDigit(const QString& digit);
    // Puts a text the box takes as typed, then rewrites it as a change does.
    void replaceText(const QString& text, int caret);
    void tellAfterTheMove();
    // A "-" typed at the start; false when the caret stands elsewhere.
    bool negate();
    bool keepPoint(const QKeyEvent* event);
    void paste();

    QLineEdit* m_box;
    Design m_design;
    bool m_rewriting = false;
    bool m_minusPending = false; // a "-" typed over a zero figure
    bool m_entered = false;
    std::optional<QString> m_toldText; // refused in the current action
    QObject* m_nextAction = nullptr;   // watches for the action after it
    std::optional<FocusMoves> m_moves;
};
