#include "itemviews.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QStyle>
#include <QToolTip>
#include <QTreeView>

#include <cmath>

QList<QStringList> shownRows(const QAbstractItemView* view)
{
    QList<QStringList> rows;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model->columnCount(); ++c)
            row << model->index(r, c).data().toString();
        rows << row;
    }
    return rows;
}

QStringList shownHeaders(const QAbstractItemView* view)
{
    QStringList headers;
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    return headers;
}

bool showsColumnWhole(const QTreeView* view, int column)
{
    const QHeaderView* header = view->header();
    const int headerMargin = view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QAbstractItemModel* model = view->model();
    const QString caption = model->headerData(column, Qt::Horizontal).toString();
    const auto advance = [](const QFont& font, const QString& text) {
        return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
    };
    if (view->columnWidth(column) < advance(header->font(), caption) + 2 * headerMargin)
        return false;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (view->columnWidth(column) < advance(view->font(), model->index(r, column).data().toString()) + 2 * cellMargin)
            return false;
    }
    return true;
}

namespace {
// A paint device that keeps the texts painted on it and draws nothing.
class TextRecorder : public QPaintDevice, public QPaintEngine {
public:
    TextRecorder()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    QStringList texts;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 4000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1;
        }
    }
};
}

QString paintedText(QAbstractItemView* view, const QModelIndex& index)
{
    TextRecorder recorder;
    const QRect cell = view->visualRect(index);
    view->viewport()->render(&recorder, cell.topLeft(), QRegion(cell), QWidget::RenderFlags());
    return recorder.texts.join(QString());
}

QString toolTipOver(QAbstractItemView* view, const QModelIndex& index)
{
    QToolTip::hideText();
    const QPoint at = view->visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(view->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
