#include "programicon.h"

#include <QPainter>
#include <QPixmap>

QIcon ProgramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(2, 2, 28, 28, 6, 6);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 14, QFont::Bold));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("库"));
    return QIcon(pixmap);
}
