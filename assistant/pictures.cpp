#include "pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace Teskarn::Pictures {
QPixmap logo()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1e, 0x63, 0xb4));
    painter.drawRoundedRect(pixmap.rect(), 5, 5);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 11, QFont::Bold));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("快"));
    return pixmap;
}

QPixmap ownIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1e, 0x63, 0xb4), 1.2));
    painter.setBrush(QColor(0xe8, 0xf0, 0xfa));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    // A globe: the equator and two meridians.
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    painter.drawEllipse(QRectF(5, 1.5, 6, 13));
    painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    return pixmap;
}
}
