#include "kuaijie.h"
#include "UrlS.h"
#include "forms.h"
#include "quickslots.h"
#include "showfiledialog.h"

#include <QLineEdit>

namespace Teskarn {
kuaijie::kuaijie()
    : QuickSettingsForm({
        .formName = formName(),
        .caption = QStringLiteral("修改快捷菜单"),
        .slotNumbers = QuickSlots::launchSlots(),
        .targetKey = QuickSlots::launchTarget,
        .targetBoxName = QStringLiteral("txtText%1"),
        .browseCaption = QStringLiteral("修改"),
        .notes = {{QStringLiteral("lbl8"),
                   QStringLiteral("第八项空白时默认链接是") + UrlS::defaultPage() + QStringLiteral("，快捷键为F1")}},
        .hintBefore = {QStringLiteral("lblC2"), QStringLiteral("设置后，用鼠标“左”键点击搜索条上")},
        .hintAfter = {QStringLiteral("lblC1"), QStringLiteral("图标，就能使用文件夹快捷方式！")},
        .saveCaption = QStringLiteral("保 存"),
        .exitCaption = QStringLiteral("退 出"),
        .refreshPanel = Forms::refresh<UrlS>,
    })
{
}

void kuaijie::Form_Load()
{
    QuickSettingsForm::Form_Load();
    for (const Row& row : rows())
        QuickSlots::SlotTarget(row.slot) = row.target->text();
}

void kuaijie::browse(const Row& row)
{
    const QString chosen = Module2::ShowFileDialog(this, false, QStringLiteral("请选择文件"),
                                                   QStringLiteral("所有文件(*.*)|*.*"));
    if (!chosen.isEmpty())
        row.target->setText(chosen);
}
}
