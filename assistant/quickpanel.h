#pragma once
#include "windowdrag.h"

#include <QRectF>
#include <QSizeF>
#include <QWidget>

namespace Teskarn {
// The design the quick-launch and quick-folder panels share: a small
// frameless, topmost, partly transparent window that places itself by the
// search bar, is dragged by its background and closed by its "X". Each panel
// lays its own slots out and says what a slot opens.
class QuickPanel : public QWidget {
    Q_OBJECT
public:
    // Opens the whole text, without parameters; a target that cannot be
    // opened is reported.
    static void openTarget(QWidget* parent, const QString& target);

protected:
    struct Design {
        QString formName;
        QString caption;
        QSizeF innerTwips;
        QRectF closeBoxTwips; // lblX
    };
    explicit QuickPanel(const Design& design);

    // The first steps of a load: partly transparent, topmost, and placed by
    // the bar's stored place.
    void prepare();
    static void placeControl(QWidget* control, const QRectF& twips);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Design m_design;
    WindowDrag m_drag;
};
}
