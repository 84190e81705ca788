#include "screenshotpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace Teskarn::ScreenshotPictures {
namespace {
const QColor outlineBlue(0x1e, 0x63, 0xb4);

void drawCancel(QPainter& painter)
{
    painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2));
    painter.drawEllipse(QRectF(3, 3, 14, 14));
    painter.drawLine(QPointF(5.5, 14.5), QPointF(14.5, 5.5));
}

void drawCopy(QPainter& painter)
{
    painter.setPen(QPen(outlineBlue, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3, 3, 10, 11));
    painter.drawRect(QRectF(7, 6, 10, 11));
}

void drawSave(QPainter& painter)
{
    painter.setPen(QPen(outlineBlue, 1.5));
    painter.setBrush(QColor(0xd6, 0xe4, 0xf5));
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(14, 3);
    disk.lineTo(17, 6);
    disk.lineTo(17, 17);
    disk.lineTo(3, 17);
    disk.closeSubpath();
    painter.drawPath(disk);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6, 3, 7, 5));
    painter.drawRect(QRectF(6, 11, 8, 6));
}

void drawClose(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    painter.drawLine(QPointF(5, 5), QPointF(15, 15));
    painter.drawLine(QPointF(15, 5), QPointF(5, 15));
}
}

QPixmap handle()
{
    QPixmap pixmap(handleSize, handleSize);
    pixmap.fill(outlineBlue);
    QPainter painter(&pixmap);
    painter.fillRect(1, 1, handleSize - 2, handleSize - 2, Qt::white);
    return pixmap;
}

QPixmap button(int index)
{
    QPixmap pixmap(buttonSize, buttonSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        drawCancel(painter);
        break;
    case 1:
        drawCopy(painter);
        break;
    case 2:
        drawSave(painter);
        break;
    default:
        drawClose(painter);
        break;
    }
    return pixmap;
}
}
