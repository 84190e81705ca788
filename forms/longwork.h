#pragma once
#include "appstate.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressBar;
class QWidget;

// Work on the books that can take more than a second (an export, a
// compaction, a purge, a restore, an upgrade). From its start a small window
// tells what is being done and the cursor shows the program busy; the books
// are busy meanwhile, so nothing else starts on them. The window is made on
// the heap without a parent, so closing a form cannot take it from under the
// work, and it only repaints: no event, timer or deferred deletion runs
// inside the work. Work inside other work (the upgrade of a restore) shows in
// the window already open.
class LongWork {
public:
    explicit LongWork(const QString& doing, const QString& title = QStringLiteral("Varnholt"));
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Moves the bar to step of count and paints the window again when the bar
    // moved visibly or a moment passed (another window may have covered it).
    void progress(qint64 step, qint64 count);

private:
    BooksBusy m_busy;
    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_bar;
    bool m_ownsWindow = false;
    QElapsedTimer m_painted;
};
