#include "boxlimit.h"
#include "messagebox.h"

#include <QLineEdit>

namespace {
const char* const CaptionProperty = "boxLimitCaption";

void refuse(QWidget* focus, const QString& caption, const Amount& limit)
{
    MessageBox::show(focus->window(), QStringLiteral("%1不能大于[%2]。").arg(caption, limit.toMoneyText()),
                     MessageBox::NoticeTitle);
    focus->setFocus(Qt::OtherFocusReason);
}
}

namespace BoxLimit {

void setCaption(QLineEdit* box, const QString& caption) { box->setProperty(CaptionProperty, caption); }

bool refuses(QLineEdit* box)
{
    if (Amount::read(box->text()).state != Amount::Reading::State::TooLarge)
        return false;
    refuse(box, box->property(CaptionProperty).toString(), Amount::boxLimit());
    return true;
}

void refuseComputed(QWidget* focus) { refuse(focus, QStringLiteral("金额"), Amount::bookLimit()); }

}
