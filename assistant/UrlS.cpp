#include "UrlS.h"
#include "clicklabel.h"
#include "forms.h"
#include "kuaijie.h"
#include "messagebox.h"
#include "pictures.h"
#include "quickslots.h"
#include "shellexec.h"
#include "websearch.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>

#include <optional>

namespace Teskarn {
namespace {
constexpr QSize iconSize(16, 16);

// The icon of what the desktop would open for the target, as ShellOpen finds
// it; none when it would open nothing.
std::optional<QIcon> targetIcon(const QString& target)
{
    const mdlShellExec::Target located = mdlShellExec::Locate(target);
    QIcon icon;
    switch (located.kind) {
    case mdlShellExec::Target::Kind::None:
        return std::nullopt;
    case mdlShellExec::Target::Kind::Address:
        icon = QIcon::fromTheme(QStringLiteral("web-browser"));
        break;
    case mdlShellExec::Target::Kind::Document:
    case mdlShellExec::Target::Kind::Program:
        icon = QFileIconProvider().icon(QFileInfo(located.location));
        break;
    }
    return icon.isNull() ? QIcon(Pictures::ownIcon()) : icon;
}

// One message for every slot of an opening, "请更改第三、五项路径", so an old
// file full of foreign paths is not a message per slot.
void reportIconFailures(const QList<int>& failedSlots)
{
    QStringList names;
    for (int slot : failedSlots)
        names << QuickSlots::ordinal(slot);
    MessageBox::show(nullptr, QStringLiteral("    提取文件图标出错\r\n\r\n    请更改第") + names.join(QStringLiteral("、"))
                                  + QStringLiteral("项路径"));
    Forms::showModeless<kuaijie>();
}
}

QString UrlS::defaultPage() { return WebSearch::address(WebSearch::Engine::Baidu, {}); }

UrlS::UrlS()
    : QuickPanel({formName(), QStringLiteral("快捷软件"), QSizeF(2595, 720), QRectF(2460, -45, 225, 225)})
{
    const double lefts[] = {180, 820, 1460, 2100};
    for (int slot : QuickSlots::launchSlots()) {
        auto* box = new ClickLabel(slot == 1 ? QStringLiteral("picInvisible") : QStringLiteral("picInvisible%1").arg(slot), this);
        placeControl(box, QRectF(lefts[(slot - 1) % 4], slot <= 4 ? 60 : 400, 255, 255));
        connect(box, &ClickLabel::clicked, this, [slot] { picInvisible_Click(slot); });
        m_picInvisible.at(std::size_t(slot - 1)) = box;
    }
    m_picInvisible[7]->setPixmap(Pictures::ownIcon());
    m_picInvisible[7]->setToolTip(QStringLiteral("快捷键 F1 "));
}

void UrlS::Form_Load()
{
    prepare();
    for (QLabel* box : m_picInvisible)
        PreparePicture(box);
    for (int slot : QuickSlots::launchSlots())
        QuickSlots::SlotTarget(slot) = QuickSlots::launchTarget(slot).read();

    QList<int> failed;
    for (int slot : QuickSlots::launchSlots()) {
        const QString target = QuickSlots::SlotTarget(slot);
        if (!target.isEmpty() && !ShowSlotIcon(slot, target))
            failed << slot;
    }
    if (!failed.isEmpty())
        reportIconFailures(failed);
}

void UrlS::PreparePicture(QLabel* box)
{
    box->setFrameShape(QFrame::NoFrame);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool UrlS::ShowSlotIcon(int slot, const QString& target)
{
    const std::optional<QIcon> icon = targetIcon(target);
    if (icon)
        DrawIcon(m_picInvisible.at(std::size_t(slot - 1)), *icon);
    return icon.has_value();
}

void UrlS::DrawIcon(QLabel* box, const QIcon& icon)
{
    QPixmap picture(iconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    icon.paint(&painter, QRect(QPoint(0, 0), iconSize));
    painter.end();
    box->setPixmap(picture);
}

void UrlS::picInvisible_Click(int slot)
{
    const QString target = QuickSlots::SlotTarget(slot);
    if (!target.isEmpty())
        openTarget(Forms::loaded<UrlS>(), target);
    else if (slot == 8)
        openTarget(Forms::loaded<UrlS>(), defaultPage());
    else
        Forms::showModeless<kuaijie>();
    Forms::unload<UrlS>();
}
}
