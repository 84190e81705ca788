#pragma once
#include "windowmessages.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <memory>

class QMenu;
class QWidget;

// One notification-area icon shown on behalf of a window. Activations of the
// icon reach the window as the callback message carrying a mouse message,
// which the window's subclass procedure turns into this object's events.
class clsSysTray : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 CallbackMessage = 2025;
    static constexpr int TipLength = 63;

    // `form` is the widget the window stands for (shown by ShowForm).
    explicit clsSysTray(QWidget* form = nullptr);
    ~clsSysTray() override;

    // A tip of a single zero character keeps the current tip.
    bool AddSysTray(WindowId window, const QIcon& icon, const QString& tip = QString(QChar(0)));
    void RemoveSysTray(bool showWindow);
    qint32 EventsGen(qint32 identifier, qint32 mouseMessage);
    void SetIcon(const QIcon& icon);
    void ShowForm();
    void ShowMenuBeforePatch();
    // The menu the icon offers itself, for desktops whose notification area
    // draws menus of its own.
    void setContextMenu(QMenu* menu);

    WindowId hwnd() const { return m_window; }
    QIcon IconHandle() const { return m_icon; }
    void setIconHandle(const QIcon& icon);
    QString ToolTipText() const { return m_tip; }
    void setToolTipText(const QString& tip);
    bool IsSysTraySet() const { return m_shown; }

public slots:
    // What the desktop reports of the icon, sent on as the mouse messages a
    // click or double click produces.
    void deliverActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void MouseMove();
    void MouseUp(int button);
    void MouseDown(int button);
    void DblClick(int button);

private:
    void send(qint32 mouseMessage);

    QPointer<QWidget> m_form;
    QPointer<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    WindowId m_window = 0;
    QIcon m_icon;
    QString m_tip;
    bool m_shown = false;
};

// The registry that leads a window's callback message back to its tray object.
namespace mdlSysTraySupport {
bool AddTrayObj(WindowId window, clsSysTray* tray);
void RemoveTrayObj(WindowId window);
qint32 TrayWndProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam);
}
