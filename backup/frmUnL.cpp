#include "frmUnL.h"
#include "appstate.h"
#include "busyform.h"
#include "dialogrules.h"
#include "formparts.h"
#include "ftpclient.h"
#include "messagebox.h"
#include "networkbackup.h"
#include "unloadform.h"

#include <QCoreApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString uploadFailed = QStringLiteral("上传失败，服务器上原有的备份未改动。");
}

using FormParts::button;
using FormParts::label;
using FormParts::named;

frmUnL::frmUnL(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmUnL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("退出询问"));

    LabExit = label(this, QStringLiteral("LabExit"), QStringLiteral("备份当前数据到网络服务器？"));
    LabTips = label(this, QStringLiteral("LabTips"), QString());
    CommYes = button(this, QStringLiteral("CommYes"), QStringLiteral("备 份"));
    Comcancel = button(this, QStringLiteral("Comcancel"), QStringLiteral("退 出"));
    inetFTP = named(new FtpClient(this), QStringLiteral("inetFTP"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabExit);
    layout->addWidget(LabTips);
    layout->addLayout(FormParts::buttonRow({CommYes, Comcancel}));

    connect(CommYes, &QPushButton::clicked, this, &frmUnL::CommYes_Click);
    connect(Comcancel, &QPushButton::clicked, this, &frmUnL::Comcancel_Click);
    connect(inetFTP, &FtpClient::StateChanged, this, &frmUnL::inetFTP_StateChanged);

    Form_Load();
}

void frmUnL::Form_Load() { DialogRules::CenterForm(this); }

void frmUnL::Comcancel_Click() { close(); }

void frmUnL::CommYes_Click()
{
    CommYes->setEnabled(false);
    const BusyForm busy(this);
    const QString archive = NetworkBackup::uploadFile();
    if (const DbStatus packed = NetworkBackup::packDatabase(appState().databasePath(), archive); !packed) {
        MessageBox::show(this, packed.error().text());
        CommYes->setEnabled(true);
        return;
    }
    Module2::UnloadForm(qobject_cast<QWidget*>(appState().trayForm.data()));
    QCoreApplication::processEvents();
    inetFTP->setServer(QStringLiteral("ftp://") + NetworkBackup::ftpHost());
    inetFTP->setAccount(NetworkBackup::user(), NetworkBackup::password());
    inetFTP->put(archive, NetworkBackup::remotePath(NetworkBackup::serial()));
}

void frmUnL::inetFTP_StateChanged(int State)
{
    static const QHash<int, QString> texts{
        {0, QStringLiteral("None")},
        {1, QStringLiteral("正在连接服务器...")},
        {2, QStringLiteral("主机解析")},
        {3, QStringLiteral("连接")},
        {4, QStringLiteral("连接")},
        {5, QStringLiteral("请求")},
        {6, QStringLiteral("正在上传数据......")},
        {7, QStringLiteral("接收响应")},
        {8, QStringLiteral("收到答复")},
        {9, QStringLiteral("断开")},
        {10, QStringLiteral("断开")},
    };
    const QString indent(4, QLatin1Char(' '));
    // A failed upload never replaced the server's copy (see FtpClient::put): say so.
    if (State == 11)
        LabTips->setText(QStringLiteral("Error: ") + indent + QString::number(inetFTP->responseCode()) + QLatin1Char('\n')
                         + indent + inetFTP->responseInfo() + QLatin1Char('\n') + uploadFailed);
    else if (State == 12)
        LabTips->setText(inetFTP->responseInfo());
    else
        LabTips->setText(texts.value(State, QStringLiteral("State = ") + QString::number(State)));
}
