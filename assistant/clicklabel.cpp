#include "clicklabel.h"

#include <QMouseEvent>

namespace Teskarn {
ClickLabel::ClickLabel(const QString& name, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(name);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
}
