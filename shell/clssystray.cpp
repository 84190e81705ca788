#include "clssystray.h"
#include "clshashlk.h"
#include "environment.h"
#include "mdlsubclass.h"
#include "trayavailability.h"

#include <QMenu>
#include <QWidget>

namespace {
clsHashLK& registry()
{
    static clsHashLK table;
    return table;
}

QString cutTip(const QString& tip) { return tip.left(clsSysTray::TipLength); }
}

bool mdlSysTraySupport::AddTrayObj(WindowId window, clsSysTray* tray)
{
    if (registry().IsKeyExist(window))
        return false;
    return registry().Add(reinterpret_cast<qintptr>(tray), window, 0, {}, false);
}

void mdlSysTraySupport::RemoveTrayObj(WindowId window) { registry().Remove(window, true); }

qint32 mdlSysTraySupport::TrayWndProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam)
{
    if (message == clsSysTray::CallbackMessage) {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the registry keeps its items as integers
        if (auto* tray = reinterpret_cast<clsSysTray*>(registry().Item(window, false)))
            tray->EventsGen(wParam, lParam);
    }
    return mdlSubClass::Marker;
}

clsSysTray::clsSysTray(QWidget* form)
    : m_form(form)
{
}

clsSysTray::~clsSysTray() { RemoveSysTray(false); }

bool clsSysTray::AddSysTray(WindowId window, const QIcon& icon, const QString& tip)
{
    if (m_shown)
        RemoveSysTray(true);
    if (m_icon.isNull() && icon.isNull())
        return false;
    if (!mdlSysTraySupport::AddTrayObj(window, this))
        return false;
    if (!mdlSubClass::SubClassWnd(window, mdlSysTraySupport::TrayWndProc)) {
        mdlSysTraySupport::RemoveTrayObj(window);
        return false;
    }
    m_window = window;
    if (!icon.isNull())
        m_icon = icon;
    if (tip != QString(QChar(0)))
        m_tip = tip;
    if (!MachineState::isSystemTrayAvailable()) {
        mdlSubClass::UnSubClassWnd(window, mdlSysTraySupport::TrayWndProc);
        mdlSysTraySupport::RemoveTrayObj(window);
        m_window = 0;
        return false;
    }
    m_trayIcon = std::make_unique<QSystemTrayIcon>(m_icon, this);
    m_trayIcon->setToolTip(cutTip(m_tip));
    m_trayIcon->setContextMenu(m_menu);
    connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, &clsSysTray::deliverActivation);
    m_trayIcon->show();
    TrayRecord::iconShown(cutTip(m_tip));
    m_shown = true;
    return true;
}

void clsSysTray::RemoveSysTray(bool showWindow)
{
    if (!m_shown)
        return;
    mdlSysTraySupport::RemoveTrayObj(m_window);
    mdlSubClass::UnSubClassWnd(m_window, mdlSysTraySupport::TrayWndProc);
    m_trayIcon.reset();
    TrayRecord::iconRemoved();
    if (showWindow && m_form)
        m_form->show();
    m_window = 0;
    m_shown = false;
}

qint32 clsSysTray::EventsGen(qint32, qint32 mouseMessage)
{
    switch (mouseMessage) {
    case 512:
        emit MouseMove();
        break;
    case 513:
        emit MouseDown(1);
        break;
    case 514:
        emit MouseUp(1);
        break;
    case 515:
        emit DblClick(1);
        break;
    case 516:
        emit MouseDown(2);
        break;
    case 517:
        emit MouseUp(2);
        break;
    case 518:
        emit DblClick(2);
        break;
    case 519:
        emit MouseDown(4);
        break;
    case 520:
        emit MouseUp(4);
        break;
    case 521:
        emit DblClick(4);
        break;
    default:
        break;
    }
    return mdlSubClass::Marker;
}

void clsSysTray::SetIcon(const QIcon& icon)
{
    if (!icon.isNull())
        setIconHandle(icon);
}

void clsSysTray::setIconHandle(const QIcon& icon)
{
    m_icon = icon;
    if (m_trayIcon)
        m_trayIcon->setIcon(icon);
}

void clsSysTray::setToolTipText(const QString& tip)
{
    m_tip = tip;
    if (m_trayIcon)
        m_trayIcon->setToolTip(cutTip(tip));
}

void clsSysTray::ShowForm()
{
    if (!m_form)
        return;
    m_form->showNormal();
    m_form->raise();
    m_form->activateWindow();
}

void clsSysTray::ShowMenuBeforePatch()
{
    if (m_form)
        m_form->activateWindow();
}

void clsSysTray::setContextMenu(QMenu* menu)
{
    m_menu = menu;
    if (m_trayIcon)
        m_trayIcon->setContextMenu(menu);
}

void clsSysTray::send(qint32 mouseMessage) { WindowMessages::send(m_window, CallbackMessage, 0, mouseMessage); }

void clsSysTray::deliverActivation(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Context:
        send(516);
        send(517);
        break;
    case QSystemTrayIcon::Trigger:
        send(513);
        send(514);
        break;
    case QSystemTrayIcon::DoubleClick:
        send(515);
        send(514);
        break;
    case QSystemTrayIcon::MiddleClick:
        send(519);
        send(520);
        break;
    default:
        break;
    }
}
