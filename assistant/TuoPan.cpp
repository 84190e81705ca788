#include "TuoPan.h"
#include "JieTu.h"
#include "UrlF.h"
#include "UrlS.h"
#include "commandqueue.h"
#include "configvalue.h"
#include "forms.h"
#include "instancelock.h"
#include "kuaijie.h"
#include "kuaijie2.h"
#include "messagebox.h"
#include "mod_AutoRun.h"
#include "numbertext.h"
#include "programstate.h"
#include "search.h"
#include "settingsnotice.h"
#include "shutdown.h"
#include "teskarnstate.h"
#include "timedshutdown.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace Teskarn {
namespace {
// Long enough for a compositor's fade and the windows below to repaint.
constexpr int menuGoneMilliseconds = 250;

QAction* menuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

void separator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); }

// The bar's logo: one panel shows, the other one unloads.
void showPanel(search::Panel panel)
{
    if (panel == search::Panel::QuickLaunch) {
        Forms::showModeless<UrlS>();
        Forms::unload<UrlF>();
    } else {
        Forms::showModeless<UrlF>();
        Forms::unload<UrlS>();
    }
}
}

TuoPan* TuoPan::load()
{
    if (TuoPan* open = Forms::loaded<TuoPan>())
        return open;
    std::unique_ptr<InstanceLock>& lock = ProgramState::instance().instanceLock;
    if (!lock)
        lock = std::make_unique<InstanceLock>(QStringLiteral("Teskarn"));
    if (!lock->acquire()) {
        MessageBox::show(nullptr, QStringLiteral("Teskarn已经运行！"), QStringLiteral("系统提示"), QMessageBox::Information);
        return nullptr;
    }
    return Forms::load<TuoPan>();
}

TuoPan::TuoPan()
{
    setObjectName(formName());
    setAttribute(Qt::WA_DeleteOnClose);

    m_TP = new QMenu(QStringLiteral("托盘"), this);
    m_TP->setObjectName(QStringLiteral("TP"));
    m_GJ = menuItem(m_TP, "GJ", QStringLiteral("定时关机"));
    m_QXGJ = menuItem(m_TP, "QXGJ", QStringLiteral("取消关机"));
    separator(m_TP, "FGX2");
    m_KJ = menuItem(m_TP, "KJ", QStringLiteral("快捷软件"));
    m_WJ = menuItem(m_TP, "WJ", QStringLiteral("快捷文件"));
    m_ARun = menuItem(m_TP, "ARun", QStringLiteral("开机启动"));
    m_ARun->setCheckable(true);
    // One system command at a time: the shutdown's entries wait for it.
    connect(&CommandQueue::instance(), &CommandQueue::busyChanged, this, [this](bool busy) {
        m_GJ->setEnabled(!busy);
        m_QXGJ->setEnabled(!busy);
    });
    separator(m_TP, "FGX");
    m_JTF3 = menuItem(m_TP, "JTF3", QStringLiteral("截图-F3"));
    m_TC = menuItem(m_TP, "TC", QStringLiteral("退出程序"));
}

void TuoPan::Form_Load()
{
    // Told once: the bar's position and the record of an armed shutdown are
    // written without asking, and would be lost without a word.
    if (const std::optional<QString> why = UserSettings::unwritable())
        MessageBox::show(nullptr,
                         QStringLiteral("设置文件夹无法写入：%1\n%2\n工具条位置和定时关机记录不会保存。")
                             .arg(QDir::toNativeSeparators(UserSettings::folder()), *why),
                         {}, QMessageBox::Warning);
    search* bar = Forms::showModeless<search>();
    connectRequests(bar);
    // The bar's start-up refresh: each panel loads once and unloads unseen.
    Forms::refresh<UrlS>();
    Forms::refresh<UrlF>();
    // An arm of an earlier run may still be pending: it can be cancelled.
    showShutdownArmed(TimedShutdown::mayBePending());

    State& state = State::instance();
    state.ShutdownHour = ReadConfigValue(QStringLiteral("shi"), QStringLiteral("name"));
    state.ShutdownMinute = ReadConfigValue(QStringLiteral("fen"), QStringLiteral("name"));
    state.ShutdownDaily = ReadConfigValue(QStringLiteral("sel"), QStringLiteral("name"));
    if (Module2::Val(state.ShutdownDaily) != 1 || state.ShutdownHour.isEmpty() || state.ShutdownMinute.isEmpty())
        return;
    const auto time = TimedShutdown::parse(state.ShutdownHour, state.ShutdownMinute);
    if (!time) {
        MessageBox::show(nullptr, QStringLiteral("config.ini 中的每天定时关机时间无效，未设置定时关机。"), {},
                         QMessageBox::Warning);
        return;
    }
    armShutdown(nullptr, *time);
}

void TuoPan::connectRequests(search* bar)
{
    connect(bar, &search::menuRequested, m_TP, [this](const QPoint& at) { m_TP->popup(at); });
    connect(bar, &search::panelRequested, this, &showPanel);
    connect(bar, &search::slot8Requested, this, &UrlS::picInvisible8_Click);
    connect(bar, &search::screenshotRequested, this, &TuoPan::showScreenshot);
    connect(m_GJ, &QAction::triggered, this, &TuoPan::GJ_Click);
    connect(m_QXGJ, &QAction::triggered, this, &TuoPan::QXGJ_Click);
    connect(m_KJ, &QAction::triggered, this, &TuoPan::KJ_Click);
    connect(m_WJ, &QAction::triggered, this, &TuoPan::WJ_Click);
    // The check mark is the entry's state, whoever changed it last.
    connect(m_TP, &QMenu::aboutToShow, this, [this] { m_ARun->setChecked(mod_AutoRun::isOn()); });
    connect(m_ARun, &QAction::triggered, this, &TuoPan::ARun_Click);
    connect(m_JTF3, &QAction::triggered, this, &TuoPan::JTF3_Click);
    connect(m_TC, &QAction::triggered, this, &TuoPan::TC_Click);
}

void TuoPan::showShutdownArmed(bool armed)
{
    if (TuoPan* form = Forms::loaded<TuoPan>()) {
        form->m_GJ->setVisible(!armed);
        form->m_QXGJ->setVisible(armed);
    }
}

void TuoPan::armShutdown(QWidget* parent, TimedShutdown::Time time, const std::function<void()>& armed)
{
    TimedShutdown::arm(time, [owner = QPointer<QWidget>(parent), armed, time](const TimedShutdown::ArmResult& result) {
        if (result.failure) {
            QString text = QStringLiteral("定时关机设置失败：") + *result.failure;
            if (result.maybePending)
                text += QStringLiteral("\n%1 的关机可能已经设置，可通过【菜单】的“取消关机”取消。").arg(time.text());
            MessageBox::show(owner, text, {}, QMessageBox::Warning);
            // Past its timeout it may have set the time; refused, an earlier arm stands.
            showShutdownArmed(TimedShutdown::mayBePending());
            return;
        }
        showShutdownArmed(true);
        if (armed)
            armed();
    });
}

namespace {
// A cancel that could not be made: the daily setting goes, so no start arms
// the shutdown again, and the user learns what may still come and why.
QString cannotCancel(const TimedShutdown::CancelResult& result)
{
    QString text = QStringLiteral("取消定时关机失败：") + result.failure;
    if (result.moment)
        text += QStringLiteral("\n%1 的关机可能仍在计划中，请先保存资料，或在终端运行 shutdown -c 取消。")
                    .arg(QLocale().toString(*result.moment, QStringLiteral("M月d日 HH:mm")));
    QString reason;
    if (configFile().write(QStringLiteral("sel"), QStringLiteral("name"), QStringLiteral("0"), &reason))
        text += QStringLiteral("\n每天定时关机已清除，下次启动不会再设置。");
    else
        text += QStringLiteral("\n每天定时关机未能清除，下次启动仍会设置。\n") + settingsNotSaved(configFilePath(), reason);
    return text;
}
}

void TuoPan::cancelShutdown(QWidget* parent)
{
    TimedShutdown::cancelOurs([owner = QPointer<QWidget>(parent)](const TimedShutdown::CancelResult& result) {
        switch (result.outcome) {
        case TimedShutdown::Cancel::Failed:
            MessageBox::show(owner, cannotCancel(result), {}, QMessageBox::Warning);
            break;
        case TimedShutdown::Cancel::NothingOfOurs:
            MessageBox::show(owner, QStringLiteral("没有要取消的定时关机"));
            break;
        case TimedShutdown::Cancel::Another:
            MessageBox::show(owner, QStringLiteral(
                                        "Teskarn没有设置定时关机；系统另有定时关机将在 %1 执行（不是Teskarn设置的，未取消）。")
                                        .arg(result.moment->toString(QStringLiteral("HH:mm"))));
            break;
        case TimedShutdown::Cancel::Cancelled:
        case TimedShutdown::Cancel::NotPending:
            MessageBox::show(owner, QStringLiteral("定时关机已取消"));
            break;
        }
        // Whatever logind said, 定时关机 and its 清空设置 stay within reach.
        showShutdownArmed(false);
    });
}

void TuoPan::GJ_Click() { Forms::showModeless<shutdown>(); }

void TuoPan::QXGJ_Click() { cancelShutdown(nullptr); }

void TuoPan::KJ_Click() { Forms::showModeless<kuaijie>(); }

void TuoPan::WJ_Click() { Forms::showModeless<kuaijie2>(); }

void TuoPan::ARun_Click()
{
    const bool on = !mod_AutoRun::isOn();
    if (const auto failure = mod_AutoRun::SetAutoRun(on)) {
        MessageBox::show(nullptr, QStringLiteral("开机启动设置失败：") + *failure, QStringLiteral("切换提示"),
                         QMessageBox::Warning);
        m_ARun->setChecked(!on);
        return;
    }
    m_ARun->setChecked(on);
    MessageBox::show(nullptr, QStringLiteral("成功设置开机启动/不启动！"), QStringLiteral("切换提示"), QMessageBox::Information);
}

void TuoPan::JTF3_Click()
{
    // The menu has only been told to close: the screen is frozen once the
    // window system has taken it away and repainted what it covered.
    QTimer::singleShot(menuGoneMilliseconds, this, &TuoPan::showScreenshot);
}

void TuoPan::showScreenshot() { Forms::showModeless<JieTu>(); }

void TuoPan::TC_Click()
{
    // Every form closes; the bar last, since its close ends the program.
    search* bar = Forms::loaded<search>();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != bar && !window->parentWidget())
            window->close();
    }
    if (bar)
        bar->close();
}
}
