#pragma once
#include "windowmessages.h"

#include <QWidget>

class ClockTimer;
class QAction;
class QMenu;
class clsSysTray;

// The hidden form that owns the notification-area icon with its menu and the
// once-a-second check that starts the timed backup. Loaded at the first login
// and kept through every log-off until the program ends.
class TuoPan : public QWidget {
    Q_OBJECT
public:
    // Loads the form the first time; later calls find it loaded.
    static TuoPan* loadOnce();
    // The loaded form, nullptr before the first login.
    static TuoPan* loaded();
    // Whether the program lives in the notification area now.
    static bool isUp();
    // True while a log-off closes the operator's windows.
    static bool loggingOff();

    clsSysTray* cSysTray() const { return m_sysTray; }
    QMenu* menu1() const { return m_menu1; }
    // The items the main window's menu bar carries when there is no
    // notification area: 数据管理, 注销 and 退出.
    QList<QAction*> menuBarItems() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TuoPan();
    ~TuoPan() override;
    void Form_Load();
    void LoadBackupTime();
    void cSysTray_MouseUp(int button);
    void cSysTray_DblClick(int button);
    void zhujiemian_Click();
    void SJGL_Click();
    void zhuxiao_Click();
    void tuichu_Click();
    void Timer1_Timer();

    WindowId m_window = 0;
    clsSysTray* m_sysTray = nullptr;
    QMenu* m_menu1 = nullptr;
    ClockTimer* m_timer1 = nullptr;
};
