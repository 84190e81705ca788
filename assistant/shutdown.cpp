#include "shutdown.h"
#include "TuoPan.h"
#include "configvalue.h"
#include "messagebox.h"
#include "numbertext.h"
#include "windowrules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    if (!hour.trimmed().isEmpty() && !minute.trimmed().isEmpty()) {
        if (!TuoPan::armShutdown(this, hour, minute))
            return;
        MessageBox::show(this, QStringLiteral("关机时间是 ") + hour + QLatin1Char(':') + minute
                                   + QStringLiteral(" 请注意保存资料！可通过【菜单】或【清空设置】取消关机！"));
    } else {
        MessageBox::show(this, QStringLiteral("关机设置已清空！"));
        TuoPan::showShutdownArmed(false);
    }
    saveSettings(hour, minute, m_chk->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void shutdown::cmdDel_Click()
{
    if (!TuoPan::cancelShutdown(this))
        return;
    m_text1->clear();
    m_text2->clear();
    m_chk->setChecked(false);
    saveSettings({}, {}, QStringLiteral("0"));
}

void shutdown::cmdExit_Click() { close(); }

void shutdown::saveSettings(const QString& hour, const QString& minute, const QString& daily)
{
    if (WriteConfigValue(QStringLiteral("shi"), nameKey, hour) && WriteConfigValue(QStringLiteral("fen"), nameKey, minute)
        && WriteConfigValue(QStringLiteral("sel"), nameKey, daily))
        return;
    MessageBox::show(this, QStringLiteral("设置保存失败：") + configFilePath(), {}, QMessageBox::Warning);
}
}
