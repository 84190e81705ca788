#pragma once
#include "timedshutdown.h"

#include <QWidget>
#include <functional>

class QAction;
class QMenu;

namespace Teskarn {
class search;

// The start of the assistant: a hidden form that refuses a second copy, shows
// the search bar, arms the daily shutdown when one is set and owns the popup
// menu TP that the bar pops up. Its load is the one place where the bar's
// requests are connected to the forms that answer them.
class TuoPan : public QWidget {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("TuoPan"); }

    // Loads the form; null, after saying so, when another copy of the program runs.
    static TuoPan* load();
    TuoPan();
    void Form_Load();

    QMenu* TP() const { return m_TP; }

    // The menu shows what the program believes of its shutdown: GJ while none
    // is armed, QXGJ while one is.
    static void showShutdownArmed(bool armed);
    // Arms the shutdown at the time and, once the command succeeded, shows it
    // armed and calls armed; a failure is reported, and the menu shows what
    // may still be pending (this time, past the command's timeout; else an
    // earlier arm).
    static void armShutdown(QWidget* parent, TimedShutdown::Time time, const std::function<void()>& armed = {});
    // Cancels this program's shutdown and says what came of it; then 定时关机
    // is offered, whatever logind answered.
    static void cancelShutdown(QWidget* parent);

private:
    // Every menu entry and every request of the bar, to the form that answers it.
    void connectRequests(search* bar);
    void GJ_Click();
    void QXGJ_Click();
    void KJ_Click();
    void WJ_Click();
    void ARun_Click();
    // The screenshot from the menu, once the menu is off the screen.
    void JTF3_Click();
    // The screenshot at once, as F3 asks it.
    void showScreenshot();
    void TC_Click();

    QMenu* m_TP = nullptr;
    QAction* m_GJ = nullptr;
    QAction* m_QXGJ = nullptr;
    QAction* m_KJ = nullptr;
    QAction* m_WJ = nullptr;
    QAction* m_ARun = nullptr;
    QAction* m_JTF3 = nullptr;
    QAction* m_TC = nullptr;
};
}
