#include "focushighlight.h"
#include "boxlimit.h"
#include "module2.h"

#include <QLineEdit>

FocusHighlight::FocusHighlight(QWidget* form)
    : QObject(form)
    , m_moves(form, [this](QWidget*, QWidget* now) { focusMoved(now); })
{
}

void FocusHighlight::watch(QLineEdit* box, Role role, const QString& caption)
{
    m_roles.insert(box, role);
    if (role != Role::Plain)
        BoxLimit::setCaption(box, caption);
    connect(box, &QObject::destroyed, this, [this, box] { m_roles.remove(box); });
}

const QColor& FocusHighlight::lit()
{
    static const QColor cyan(128, 255, 255);
    return cyan;
}

void FocusHighlight::focusMoved(QWidget* now)
{
    // The focus came back from another window to where it was.
    if (now == m_lit)
        return;
    // A box refused on leaving has the focus back, and is entered again.
    if (m_lit && !leave(std::exchange(m_lit, nullptr)))
        return;
    if (auto* box = qobject_cast<QLineEdit*>(now); box && m_roles.contains(box))
        enter(box);
}

void FocusHighlight::enter(QLineEdit* box)
{
    m_lit = box;
    const Role role = m_roles.value(box);
    if (role != Role::Figure) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, lit());
        box->setPalette(palette);
    }
    if (role == Role::Plain)
        return;
    const QString text = box->text();
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const int integerPart = int(point < 0 ? text.size() : point);
    if (integerPart > 0)
        box->setSelection(0, integerPart);
    else
        box->deselect();
}

bool FocusHighlight::leave(QLineEdit* box)
{
    const Role role = m_roles.value(box);
    if (role != Role::Plain) {
        if (BoxLimit::refuses(box))
            return false;
        box->setText(Module2::FormatMoney(box->text()));
    }
    if (role == Role::Plain || role == Role::Number)
        box->setPalette(QPalette());
    return true;
}
