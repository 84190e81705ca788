#include "longwork.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
const QString windowName = QStringLiteral("LongWorkProgress");
constexpr int barSteps = 1000;
constexpr qint64 repaintAfterMs = 200;

// The one window shown while any long work runs.
QPointer<QWidget>& shownWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QWidget* makeWindow(const QString& doing, const QString& title)
{
    auto* window = new QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    window->setObjectName(windowName);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel(doing, window);
    label->setObjectName(QStringLiteral("doing"));
    layout->addWidget(label);
    auto* bar = new QProgressBar(window);
    bar->setRange(0, 0); // no steps known until the work tells them
    bar->setTextVisible(false);
    layout->addWidget(bar);
    window->show();
    window->repaint();
    return window;
}
}

LongWork::LongWork(const QString& doing, const QString& title)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_window = shownWindow();
    if (!m_window) {
        m_window = makeWindow(doing, title);
        shownWindow() = m_window;
        m_ownsWindow = true;
    }
    m_bar = m_window->findChild<QProgressBar*>();
    m_painted.start();
}

LongWork::~LongWork()
{
    if (m_ownsWindow)
        delete m_window.data();
    QApplication::restoreOverrideCursor();
}

void LongWork::progress(qint64 step, qint64 count)
{
    QProgressBar* bar = m_bar;
    if (!bar || count <= 0)
        return;
    const int value = int(qBound<qint64>(0, step, count) * barSteps / count);
    const bool moved = bar->maximum() != barSteps || bar->value() != value;
    if (!moved && m_painted.elapsed() < repaintAfterMs)
        return;
    bar->setRange(0, barSteps);
    bar->setValue(value);
    m_window->repaint();
    m_painted.start();
}
