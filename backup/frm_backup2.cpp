#include "frm_backup2.h"
#include "appstate.h"
#include "backuptime.h"
#include "clock.h"
#include "dialogrules.h"
#include "formparts.h"
#include "formregistry.h"
#include "frm_backup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
const QString formName = QStringLiteral("frm_backup2");
}

frm_backup2::frm_backup2(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("定时备份"));

    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("定时备份倒计时"));
    Label1 = label(this, QStringLiteral("Label1"), QString());
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("秒后开始备份数据。。。"));
    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("马上备份"));
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("取消备份"));
    Timer2 = named(new ClockTimer(this), QStringLiteral("Timer2"));

    auto* seconds = new QHBoxLayout;
    seconds->addWidget(Label1);
    seconds->addWidget(Label2);
    seconds->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addLayout(seconds);
    layout->addLayout(buttons);

    connect(Timer2, &ClockTimer::timeout, this, &frm_backup2::Timer2_Timer);
    connect(Command1, &QPushButton::clicked, this, &frm_backup2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_backup2::Command2_Click);
    DialogKeyFilter::install(this);

    Form_Load();
}

void frm_backup2::openWhenDue(QWidget* parent)
{
    AppState& app = appState();
    // Inside an upgrade, a restore or a compaction the check does nothing:
    // a minute that passes meanwhile is missed, as any minute not matched.
    if (app.isBusy() || !BackupTime::isDue(app.backupTrigger, Clock::now().time()) || FormRegistry::openForm(formName))
        return;
    auto* countdown = new frm_backup2(parent);
    countdown->setAttribute(Qt::WA_DeleteOnClose);
    FormRegistry::registerForm(formName, countdown);
    countdown->exec();
}

void frm_backup2::Form_Load()
{
    Label1->setText(QString::number(m_secondsLeft));
    DialogRules::CenterForm(this);
    Timer2->start(1000);
}

void frm_backup2::done(int result)
{
    Timer2->stop();
    appState().backupTrigger.armed = false;
    QDialog::done(result);
}

void frm_backup2::Timer2_Timer()
{
    Label1->setText(QString::number(--m_secondsLeft));
    if (m_secondsLeft == 0)
        backUpNow();
}

void frm_backup2::Command1_Click() { backUpNow(); }

void frm_backup2::Command2_Click() { reject(); }

void frm_backup2::backUpNow()
{
    Timer2->stop();
    appState().backupTrigger.armed = false;
    frm_backup::backUpAndClose(this);
    accept();
}
