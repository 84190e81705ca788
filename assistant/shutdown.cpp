#include "shutdown.h"
#include "TuoPan.h"
#include "commandqueue.h"
#include "configvalue.h"
#include "messagebox.h"
#include "numbertext.h"
#include "settingsnotice.h"
#include "timedshutdown.h"
#include "windowrules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace Teskarn {
namespace {
const QString nameKey = QStringLiteral("name");

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// [shi], [fen] and [sel] in that order, with the captions of their boxes.
QList<SettingInput> settingsOf(const QString& hour, const QString& minute, const QString& daily)
{
    return {{{QStringLiteral("shi"), nameKey, hour}, QStringLiteral("时")},
            {{QStringLiteral("fen"), nameKey, minute}, QStringLiteral("分")},
            {{QStringLiteral("sel"), nameKey, daily}, {}}};
}

// All three in one rewrite or none; a failure is reported.
void saveSettings(QWidget* parent, const QList<SettingInput>& settings) { saveSettingsOrTell(configFile(), settings, parent); }

QLineEdit* timeBox(QWidget* parent, const char* name)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setFixedWidth(40);
    return box;
}
}

shutdown::shutdown()
{
    setObjectName(formName());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("设置定时关机"));

    m_text1 = timeBox(this, "Text1");
    m_text2 = timeBox(this, "Text2");
    m_chk = named(new QCheckBox(QStringLiteral("每天定时关机"), this), "chk");
    auto* command1 = named(new QPushButton(QStringLiteral("设置定时"), this), "Command1");
    auto* cmdDel = named(new QPushButton(QStringLiteral("清空设置"), this), "cmdDel");
    auto* cmdExit = named(new QPushButton(QStringLiteral("退    出"), this), "cmdExit");

    auto* time = new QHBoxLayout;
    time->addWidget(named(new QLabel(QStringLiteral("时间："), this), "lbl1"));
    time->addWidget(m_text1);
    time->addWidget(named(new QLabel(QStringLiteral("时"), this), "lbl2"));
    time->addWidget(m_text2);
    time->addWidget(named(new QLabel(QStringLiteral("分"), this), "lbl3"));
    time->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {command1, cmdDel, cmdExit})
        buttons->addWidget(button);
    auto* layout = new QGridLayout(this);
    layout->addLayout(time, 0, 0);
    layout->addWidget(named(new QLabel(QStringLiteral("（按 24 小 时 格 式 填 写）"), this), "lbl4"), 1, 0);
    layout->addWidget(m_chk, 2, 0);
    layout->addLayout(buttons, 3, 0);
    setFixedSize(sizeHint());

    // One system command at a time: the buttons wait for a running one.
    const auto wait = [command1, cmdDel](bool busy) {
        command1->setEnabled(!busy);
        cmdDel->setEnabled(!busy);
    };
    wait(CommandQueue::busy());
    connect(&CommandQueue::instance(), &CommandQueue::busyChanged, this, wait);
    connect(command1, &QPushButton::clicked, this, &shutdown::Command1_Click);
    connect(cmdDel, &QPushButton::clicked, this, &shutdown::cmdDel_Click);
    connect(cmdExit, &QPushButton::clicked, this, &shutdown::cmdExit_Click);
}

void shutdown::Form_Load()
{
    m_text1->setText(ReadConfigValue(QStringLiteral("shi"), nameKey));
    m_text2->setText(ReadConfigValue(QStringLiteral("fen"), nameKey));
    // Ticked exactly when the start arms the shutdown again.
    m_chk->setChecked(Module2::Val(ReadConfigValue(QStringLiteral("sel"), nameKey)) == 1);
}

void shutdown::showLoaded()
{
    DialogRules::CenterForm(this);
    show();
}

void shutdown::Command1_Click()
{
    const QString hour = m_text1->text();
    const QString minute = m_text2->text();
    const QList<SettingInput> settings = settingsOf(hour, minute, m_chk->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (refusedLineBreak(settings, this))
        return;
    if (hour.trimmed().isEmpty() || minute.trimmed().isEmpty()) {
        MessageBox::show(this, QStringLiteral("关机设置已清空！"));
        TuoPan::showShutdownArmed(false);
        saveSettings(this, settings);
        return;
    }
    const auto time = TimedShutdown::parse(hour, minute);
    if (!time) {
        MessageBox::show(this, QStringLiteral("关机时间无效，请按24小时格式填写！"), {}, QMessageBox::Warning);
        return;
    }
    // The time is told and stored only once the system took it.
    TuoPan::armShutdown(this, *time, [self = QPointer<QWidget>(this), hour, minute, settings] {
        MessageBox::show(self, QStringLiteral("关机时间是 ") + hour + QLatin1Char(':') + minute
                                   + QStringLiteral(" 请注意保存资料！可通过【菜单】或【清空设置】取消关机！"));
        saveSettings(self, settings);
    });
}

void shutdown::cmdDel_Click()
{
    // The settings are cleared whatever the system answers, so the next
    // start arms nothing.
    m_text1->clear();
    m_text2->clear();
    m_chk->setChecked(false);
    saveSettings(this, settingsOf({}, {}, QStringLiteral("0")));
    TuoPan::cancelShutdown(this);
}

void shutdown::cmdExit_Click() { close(); }
}
