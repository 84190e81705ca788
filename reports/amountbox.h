#pragma once
// The amount rule of a box: whatever changes its text (typing, the program,
// emptying it), the text is rewritten as money ("0.00"; anything that is not
// a number becomes "0.00"). So that an amount can still be typed, the caret
// keeps its place relative to the decimal point across a rewrite, a typed
// "." steps over the point the text already has, and a "-" typed at the start
// negates the amount (over a zero amount, the next amount typed). Erasing
// never takes out the point while decimals follow it, and a typed grouping
// comma is passed over, so "1,234.5" is 1234.50. A box
// entered has its text selected, so typing replaces it. An amount past the
// box limit is refused as the box is left, naming it by its caption.
#include "focusleave.h"

#include <QObject>
#include <functional>

class QKeyEvent;
class QLineEdit;

class AmountBox : public QObject {
    Q_OBJECT
public:
    // Rewrites the box from now on; changed runs after each change of its text.
    static AmountBox* install(QLineEdit* box, const QString& caption, std::function<void()> changed = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AmountBox(QLineEdit* box, const QString& caption, std::function<void()> changed);
    void rewrite(const QString& text);
    // A "-" typed at the start; false when the caret stands elsewhere.
    bool negate();
    // An erase or a typed character that would take out the point while
    // decimals follow it would join them to the whole part (12.50 becoming
    // 1250): the point stays. False when the key takes out no such point.
    bool keepPoint(const QKeyEvent* event);

    QLineEdit* m_box;
    std::function<void()> m_changed;
    bool m_rewriting = false;
    bool m_minusPending = false; // a "-" typed over a zero amount
    FocusLeave m_left;
};
