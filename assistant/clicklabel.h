#pragma once
#include <QLabel>

namespace Teskarn {
// A label or picture that takes the mouse as a button does: a left click
// (press and release on it) emits clicked; no press reaches its parent.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& name, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
}
