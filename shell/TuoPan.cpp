#include "TuoPan.h"
#include "MDIF_main.h"
#include "appstate.h"
#include "backupfiles.h"
#include "backuptime.h"
#include "clock.h"
#include "clssystray.h"
#include "dispatch.h"
#include "formregistry.h"
#include "frm_backup.h"
#include "frm_backup2.h"
#include "frm_xtdl.h"
#include "messagebox.h"
#include "programend.h"
#include "unloadform.h"
#include "programicon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScopedValueRollback>

namespace {
const QString formName = QStringLiteral("TuoPan");

qint32 hiddenWindowProc(WindowId, qint32, qint32, qint32) { return 0; }

bool& loggingOffFlag()
{
    static bool flag = false;
    return flag;
}

QWidget* visibleForm(const QString& name)
{
    QWidget* form = FormRegistry::openForm(name);
    return form && form->isVisible() ? form : nullptr;
}
}

TuoPan* TuoPan::loadOnce()
{
    if (TuoPan* form = loaded())
        return form;
    auto* form = new TuoPan;
    appState().trayForm = form;
    FormRegistry::registerForm(formName, form);
    form->Form_Load();
    return form;
}

bool TuoPan::isUp()
{
    TuoPan* form = loaded();
    return form && form->m_sysTray->IsSysTraySet();
}

TuoPan::TuoPan()
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    m_window = WindowMessages::createWindow(hiddenWindowProc);
    m_sysTray = new clsSysTray(this);
    m_sysTray->setParent(this);
    connect(m_sysTray, &clsSysTray::MouseUp, this, &TuoPan::cSysTray_MouseUp);
    connect(m_sysTray, &clsSysTray::DblClick, this, &TuoPan::cSysTray_DblClick);

    m_menu1 = new QMenu(this);
    m_menu1->setObjectName(QStringLiteral("menu1"));
    const struct {
        const char* name;
        QString caption;
        void (TuoPan::*handler)();
    } items[] = {
        {"zhujiemian", QStringLiteral("主界面"), &TuoPan::zhujiemian_Click},
        {"SJGL", QStringLiteral("数据管理"), &TuoPan::SJGL_Click},
        {"zhuxiao", QStringLiteral("注销"), &TuoPan::zhuxiao_Click},
        {"tuichu", QStringLiteral("退出"), &TuoPan::tuichu_Click},
    };
    for (const auto& item : items) {
        QAction* action = m_menu1->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }

    m_sysTray->setContextMenu(m_menu1);

    m_timer1 = new ClockTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &ClockTimer::timeout, this, &TuoPan::Timer1_Timer);
}

TuoPan* TuoPan::loaded() { return qobject_cast<TuoPan*>(appState().trayForm.data()); }

QList<QAction*> TuoPan::menuBarItems() const
{
    QList<QAction*> items;
    for (const char* name : {"SJGL", "zhuxiao", "tuichu"})
        items << m_menu1->findChild<QAction*>(QString::fromLatin1(name));
    return items;
}

TuoPan::~TuoPan()
{
    delete m_sysTray;
    m_sysTray = nullptr;
    WindowMessages::destroyWindow(m_window);
}

void TuoPan::Form_Load()
{
    // While the icon is up, closing the last window leaves the program running.
    if (m_sysTray->AddSysTray(m_window, windowIcon(), QStringLiteral("Varnholt")))
        QApplication::setQuitOnLastWindowClosed(false);
    LoadBackupTime();
    m_timer1->start(1000);
    // A file of that name counts as present; the backups then fail with their own message.
    const QString folder = BackupFiles::folder();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
}

void TuoPan::LoadBackupTime() { BackupTime::arm(appState().backupTrigger, BackupTime::storedOrDefault()); }

void TuoPan::closeEvent(QCloseEvent* event)
{
    m_sysTray->RemoveSysTray(false);
    m_timer1->stop();
    if (appState().trayForm == this)
        appState().trayForm = nullptr;
    event->accept();
}

void TuoPan::cSysTray_MouseUp(int button)
{
    if (button != 2)
        return;
    m_sysTray->ShowMenuBeforePatch();
    m_menu1->popup(QCursor::pos());
}

void TuoPan::cSysTray_DblClick(int button)
{
    if (button == 1)
        zhujiemian_Click();
}

void TuoPan::zhujiemian_Click()
{
    if (visibleForm(QStringLiteral("frm_xtdl"))) {
        MessageBox::show(nullptr, QStringLiteral("请先登录！"), {}, QMessageBox::NoIcon, QMessageBox::Ok);
        return;
    }
    // Nobody is logged in after a log-off: the way in is the login.
    if (appState().currentOperator.isEmpty()) {
        frm_xtdl::load();
        return;
    }
    if (!visibleForm(QStringLiteral("MDIF_main")))
        Dispatch::showOnce(
            QStringLiteral("MDIF_main"), [] { return new MDIF_main; }, FormRegistry::Kind::Other);
}

void TuoPan::SJGL_Click() { frm_backup::showOnce(); }

void TuoPan::zhuxiao_Click()
{
    if (ProgramEnd::refusedWhileBusy(nullptr))
        return;
    // From here until the next login nobody is logged in, and the windows
    // opened with the operator's rights go with him.
    appState().currentOperator.clear();
    {
        QScopedValueRollback<bool> guard(loggingOffFlag(), true);
        for (const QString& form : {QStringLiteral("MDIF_main"), QStringLiteral("frm_backup")})
            Module2::UnloadForm(FormRegistry::openForm(form));
    }
    frm_xtdl::load();
}

bool TuoPan::loggingOff() { return loggingOffFlag(); }

void TuoPan::tuichu_Click() { ProgramEnd::unloadEveryForm(); }

void TuoPan::Timer1_Timer() { frm_backup2::openWhenDue(nullptr); }
