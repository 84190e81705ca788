#include "focushighlight.h"

#include <QLineEdit>

FocusHighlight::FocusHighlight(QWidget* form)
    : QObject(form)
    , m_moves(form, [this](QWidget* old, QWidget* now) { focusMoved(old, now); })
{
}

void FocusHighlight::watch(QLineEdit* box, Role role, std::optional<MoneyBox::Design> money)
{
    m_roles.insert(box, role);
    if (money)
        MoneyBox::install(box, std::move(*money), MoneyBox::Focus::Owner);
    connect(box, &QObject::destroyed, this, [this, box] { m_roles.remove(box); });
}

const QColor& FocusHighlight::lit()
{
    static const QColor cyan(128, 255, 255);
    return cyan;
}

void FocusHighlight::focusMoved(QWidget* old, QWidget* now)
{
    // The focus came back from another window to where it was.
    if (now == m_lit)
        return;
    // A box refused on leaving gets the focus back once it has been told, and
    // is entered again. The focus coming back from another window or form
    // elsewhere left no box: a figure past its limit waits for its box's next
    // Enter or the save.
    const bool fromOtherForm = !old || formOf(old) != formOf(now);
    if (m_lit && !leave(std::exchange(m_lit, nullptr), !fromOtherForm))
        return;
    if (auto* box = qobject_cast<QLineEdit*>(now); box && m_roles.contains(box))
        enter(box);
}

void FocusHighlight::enter(QLineEdit* box)
{
    m_lit = box;
    if (m_roles.value(box) != Role::Figure) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, lit());
        box->setPalette(palette);
    }
    if (MoneyBox* money = MoneyBox::of(box))
        money->enter();
}

bool FocusHighlight::leave(QLineEdit* box, bool withinForm)
{
    if (MoneyBox* money = MoneyBox::of(box); money && (withinForm || money->value()) && !money->leave())
        return false;
    const Role role = m_roles.value(box);
    if (role == Role::Plain || role == Role::Number)
        box->setPalette(QPalette());
    return true;
}
