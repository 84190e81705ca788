#include "UrlF.h"
#include "forms.h"
#include "kuaijie2.h"
#include "quickslots.h"

#include <QPushButton>

namespace Teskarn {
UrlF::UrlF()
    : QuickPanel({formName(), QStringLiteral("快捷文件夹"), QSizeF(2595, 720), QRectF(2480, -45, 90, 225)})
{
    setFont(QFont(QStringLiteral("微软雅黑")));
    const double lefts[] = {30, 835, 1640};
    const QList<int>& slotNumbers = QuickSlots::folderSlots();
    for (int index = 0; index < slotNumbers.size(); ++index) {
        const int slot = slotNumbers.at(index);
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmd%1").arg(slot));
        button->setAutoDefault(false);
        placeControl(button, QRectF(lefts[index % 3], index < 3 ? 0 : 350, 820, 350));
        connect(button, &QPushButton::clicked, this, [slot] { cmd_Click(slot); });
        m_cmd.insert(slot, button);
    }
}

void UrlF::Form_Load()
{
    prepare();
    for (auto it = m_cmd.cbegin(); it != m_cmd.cend(); ++it)
        it.value()->setText(QuickSlots::folderName(it.key()).read());
}

void UrlF::cmd_Click(int slot)
{
    const QString target = QuickSlots::folderTarget(slot).read();
    if (!target.isEmpty())
        openTarget(Forms::loaded<UrlF>(), target);
    else
        Forms::showModeless<kuaijie2>();
    Forms::unload<UrlF>();
}
}
