#include "kuaijie2.h"
#include "UrlF.h"
#include "filedialogs.h"
#include "forms.h"
#include "quickslots.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace Teskarn {
kuaijie2::kuaijie2()
    : QuickSettingsForm({
        .formName = formName(),
        .caption = QStringLiteral("快捷文件夹设置"),
        .slotNumbers = QuickSlots::folderSlots(),
        .targetKey = QuickSlots::folderTarget,
        .nameKey = QuickSlots::folderName,
        .targetBoxName = QStringLiteral("txt%1"),
        .nameBoxName = QStringLiteral("Text%1"),
        .browseCaption = QStringLiteral("选择目录"),
        .columnHeadings = {{QStringLiteral("lbl1"), QStringLiteral("填写网址或选择文件夹路径")},
                           {QStringLiteral("lbl_6"), QStringLiteral("填写名称(自定义）")}},
        .hintBefore = {QStringLiteral("lblC1"), QStringLiteral("设置后，用鼠标“右”键点击搜索上")},
        .hintAfter = {QStringLiteral("lblC2"), QStringLiteral("图标，就能使用文件夹快捷方式！")},
        .saveCaption = QStringLiteral("保   存"),
        .exitCaption = QStringLiteral("退   出"),
        .refreshPanel = Forms::refresh<UrlF>,
    })
{
}

void kuaijie2::browse(const Row& row)
{
    QString folder = FileDialogs::folder(this, QStringLiteral("选择需创建快捷方式的文件夹："), QDir::homePath());
    if (folder.isEmpty())
        return;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    row.target->setText(folder);
    // The last part of the path, without what follows its last dot.
    row.name->setText(QFileInfo(folder).completeBaseName());
}
}
