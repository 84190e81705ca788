#include "frm_backup2.h"
#include "appstate.h"
#include "backuptime.h"
#include "clock.h"
#include "dialogrules.h"
#include "frm_backup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString formName = QStringLiteral("frm_backup2");
}

frm_backup2::frm_backup2(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("定时备份"));

    Label3 = new QLabel(QStringLiteral("定时备份倒计时"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("秒后开始备份数据。。。"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Command1 = new QPushButton(QStringLiteral("马上备份"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("取消备份"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Timer2 = new ClockTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

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
    if (!BackupTime::isDue(app.backupTrigger, Clock::now().time()) || app.openForm(formName))
        return;
    auto* countdown = new frm_backup2(parent);
    countdown->setAttribute(Qt::WA_DeleteOnClose);
    app.registerForm(formName, countdown);
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
