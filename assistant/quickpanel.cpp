#include "quickpanel.h"
#include "barplace.h"
#include "clicklabel.h"
#include "forms.h"
#include "messagebox.h"
#include "search.h"
#include "shellexec.h"
#include "touming.h"
#include "twips.h"
#include "windowrules.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace Teskarn {
QuickPanel::QuickPanel(const Design& design)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_design(design)
    , m_drag(this)
{
    setObjectName(design.formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(design.caption);
    setFixedSize(toPixels(design.innerTwips.width()), toPixels(design.innerTwips.height()));

    auto* lblX = new ClickLabel(QStringLiteral("lblX"), this);
    lblX->setText(QStringLiteral("X"));
    lblX->setAlignment(Qt::AlignCenter);
    placeControl(lblX, design.closeBoxTwips);
    connect(lblX, &ClickLabel::clicked, this, &QWidget::close);
}

void QuickPanel::prepare()
{
    touming::SetFormAlpha(this, 66);
    DialogRules::SetTopmost(this, true);

    const search* bar = Forms::loaded<search>();
    const BarPlace::Position barPlace = search::storedPosition().value_or(bar ? BarPlace::Position{bar->Top(), bar->Left()}
                                                                              : BarPlace::Position{});
    const double barHeight = bar ? bar->sizeInTwips().height() : 0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenWidth = screen ? screen->size().width() * double(TwipsPerPixel) : 0;
    move(BarPlace::pixels(BarPlace::panelPosition(barPlace, m_design.innerTwips, barHeight, screenWidth)));
}

void QuickPanel::placeControl(QWidget* control, const QRectF& twips)
{
    control->setGeometry(pixelRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void QuickPanel::openTarget(QWidget* parent, const QString& target)
{
    if (!mdlShellExec::ShellOpen(target))
        MessageBox::show(parent, QStringLiteral("无法打开：") + target, {}, QMessageBox::Warning);
}

void QuickPanel::mousePressEvent(QMouseEvent* event) { m_drag.press(event); }
void QuickPanel::mouseMoveEvent(QMouseEvent* event) { m_drag.move(event); }
void QuickPanel::mouseReleaseEvent(QMouseEvent* event) { m_drag.release(event); }

void QuickPanel::closeEvent(QCloseEvent* event)
{
    Forms::closing(m_design.formName, this);
    event->accept();
}
}
