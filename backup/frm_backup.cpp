#include "frm_backup.h"
#include "appstate.h"
#include "backupfiles.h"
#include "backuptime.h"
#include "bookswindows.h"
#include "busyform.h"
#include "compact.h"
#include "dialogrules.h"
#include "elidedlabel.h"
#include "filedialogs.h"
#include "formparts.h"
#include "formregistry.h"
#include "immediatebackup.h"
#include "longwork.h"
#include "messagebox.h"
#include "networkbackup.h"
#include "networkrestore.h"
#include "purge.h"
#include "restore.h"
#include "restoreinflight.h"
#include "unloadform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString formName = QStringLiteral("frm_backup");
const QString closeWindowsFirst = QStringLiteral("请先关闭其他窗口，再恢复数据。");
const QString restoring = QStringLiteral("正在恢复数据……");

// A window of the books open over a restore would go on showing, and
// changing, the books it opened with.
bool refusedForOpenWindows(QWidget* boxParent)
{
    if (!BooksWindows::anyOpen())
        return false;
    MessageBox::show(boxParent, closeWindowsFirst);
    return true;
}
}

using FormParts::button;
using FormParts::label;
using FormParts::named;

frm_backup::frm_backup(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("数据恢复与备份（部分操作需管理员权限）"));

    // Built without a parent: the layouts adopt the controls in their order,
    // which makes the tab order.
    Label5 = label(nullptr, QStringLiteral("Label5"), QStringLiteral("数 据 备 份 与 恢 复"));
    Command4 = button(nullptr, QStringLiteral("Command4"), QStringLiteral("立即备份"));
    Command1 = button(nullptr, QStringLiteral("Command1"), QStringLiteral("选择备份文件"));
    Text1 = named(new QLineEdit, "Text1");
    Command5 = button(nullptr, QStringLiteral("Command5"), QStringLiteral("恢复"));
    Command2 = button(nullptr, QStringLiteral("Command2"), QStringLiteral("设置定时备份"));
    Line1 = named(new QFrame, "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Label4 = label(nullptr, QStringLiteral("Label4"), QStringLiteral("数 据 精 简 及 提 速（建议删除操作前先备份）"));
    DTPicker1 = FormParts::datePicker(nullptr, QStringLiteral("DTPicker1"), QDate(2013, 7, 26));
    Label3 = label(nullptr, QStringLiteral("Label3"), QStringLiteral("此日期入库、销售、盘点、报损单据数据"));
    ComDel = button(nullptr, QStringLiteral("ComDel"), QStringLiteral("删除"));
    Label2 = label(nullptr, QStringLiteral("Label2"), QStringLiteral("数据访问缓慢或出错时使用："));
    ComCompress = button(nullptr, QStringLiteral("ComCompress"), QStringLiteral("修复与压缩数据库"));
    ComDown = button(nullptr, QStringLiteral("ComDown"), QStringLiteral("下载并恢复网络备份"));
    // The progress names the transfer file: a long path is shortened, the window keeps its width.
    Label1 = named(new ElidedLabel, "Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A count in bytes always shows whole.
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QStringLiteral("下载完成！(共999999999999字节)")));

    auto* timeRow = new QWidget;
    buildTimeBoxes(timeRow);

    auto* grid = new QGridLayout;
    grid->addWidget(Command4, 0, 0);
    grid->addWidget(Command1, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Command5, 1, 2);
    grid->addWidget(timeRow, 2, 1, Qt::AlignLeft);
    grid->addWidget(Command2, 2, 2);
    auto* purgeRow = new QHBoxLayout;
    purgeRow->addWidget(DTPicker1);
    purgeRow->addWidget(Label3);
    purgeRow->addStretch();
    purgeRow->addWidget(ComDel);
    auto* compactRow = new QHBoxLayout;
    compactRow->addWidget(Label2);
    compactRow->addWidget(ComCompress);
    compactRow->addWidget(Label1, 1);
    compactRow->addWidget(ComDown);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addWidget(Line1);
    layout->addWidget(Label4, 0, Qt::AlignHCenter);
    layout->addLayout(purgeRow);
    layout->addLayout(compactRow);

    connect(Command4, &QPushButton::clicked, this, &frm_backup::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_backup::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &frm_backup::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_backup::Command2_Click);
    connect(ComDel, &QPushButton::clicked, this, &frm_backup::ComDel_Click);
    connect(ComCompress, &QPushButton::clicked, this, &frm_backup::ComCompress_Click);
    connect(ComDown, &QPushButton::clicked, this, &frm_backup::ComDown_Click);

    Form_Load();
}

// The two time boxes sit in one label, the hour before its "时" and the
// minute in the blank between "时" and "分".
void frm_backup::buildTimeBoxes(QWidget* row)
{
    cboHour = named(new QComboBox(row), "cboHour");
    cboMinute = named(new QComboBox(row), "cboMinute");
    Label12 = named(new QLabel(QStringLiteral("时             分"), row), "Label12");
    for (QComboBox* box : {cboHour, cboMinute}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // the text stays as typed
        box->setMinimumContentsLength(2);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    const QSize box = cboHour->sizeHint();
    const int margin = 4;
    const QString text = Label12->text();
    const QString hourUnit = text.left(1);

    // Letter spacing follows every character, "时" and each blank alike: it
    // is chosen so that the blanks hold the minute box with a margin each
    // side, "分" standing beside the box whatever the font.
    QFont font = Label12->font();
    const QFontMetricsF plain(font);
    const int blanks = int(text.count(QLatin1Char(' ')));
    const qreal blank = plain.horizontalAdvance(text.chopped(1)) - plain.horizontalAdvance(hourUnit);
    font.setLetterSpacing(QFont::AbsoluteSpacing, (box.width() + 2 * margin - blank) / blanks);
    Label12->setFont(font);
    const QFontMetricsF spread(font);

    cboHour->setGeometry(0, 0, box.width(), box.height());
    const int labelLeft = box.width() + margin;
    Label12->setGeometry(labelLeft, 0, int(std::ceil(spread.horizontalAdvance(text))) + margin, box.height());
    cboMinute->setGeometry(labelLeft + int(std::round(spread.horizontalAdvance(hourUnit))) + margin, 0, box.width(),
                           box.height());
    cboMinute->raise();
    row->setFixedSize(Label12->geometry().right() + 1, box.height());
}

void frm_backup::Form_Load()
{
    ComDown->hide();
    for (int hour = 0; hour <= 23; ++hour)
        cboHour->addItem(QString::number(hour));
    for (int minute = 0; minute <= 59; ++minute)
        cboMinute->addItem(QString::number(minute));
    const BackupTime::Texts time = BackupTime::storedOrDefault();
    cboHour->setEditText(time.hour);
    cboMinute->setEditText(time.minute);
    const bool administrator = appState().isAdministrator();
    for (QPushButton* adminOnly : {Command5, Command2, ComDel, ComDown})
        adminOnly->setEnabled(administrator);
    if (RestoreInFlight* run = RestoreInFlight::current())
        followRestore(run);
    DialogRules::CenterForm(this);
}

frm_backup* frm_backup::showOnce()
{
    if (auto* open = qobject_cast<frm_backup*>(FormRegistry::openForm(formName))) {
        open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* form = new frm_backup;
    FormRegistry::registerForm(formName, form);
    form->show();
    return form;
}

void frm_backup::backUpAndClose(QWidget* parent)
{
    ImmediateBackup::runAndReport(parent);
    Module2::UnloadForm(FormRegistry::openForm(formName));
}

void frm_backup::closeEvent(QCloseEvent* event)
{
    if (FormRegistry::openForm(formName) == this)
        FormRegistry::registerForm(formName, nullptr);
    QWidget::closeEvent(event);
}

void frm_backup::Command4_Click() { ImmediateBackup::runAndReport(this); }

void frm_backup::Command1_Click()
{
    const QString chosen = FileDialogs::openFile(nullptr, QStringLiteral("打开"), BackupFiles::folder(), QStringLiteral("*.mdb"));
    if (!chosen.isEmpty())
        Text1->setText(chosen);
}

void frm_backup::Command5_Click()
{
    const QString chosen = Text1->text().trimmed();
    if (chosen.isEmpty()) {
        MessageBox::show(nullptr, QStringLiteral("请先选择备份数据库路径"));
        return;
    }
    if (refusedForOpenWindows(nullptr))
        return;
    // The timed backup may close the window while the outcome is shown.
    const BusyForm busyForm(this);
    RestoreResult restored;
    {
        const LongWork work(restoring);
        restored = restoreDatabase(chosen, appState().databasePath());
    }
    MessageBox::show(nullptr, restored.message());
    close();
}

void frm_backup::Command2_Click()
{
    // A time not saved is neither armed nor told as set.
    if (!BackupTime::store({cboHour->currentText(), cboMinute->currentText()}))
        return;
    const BackupTime::Texts time = BackupTime::stored();
    BackupTime::arm(appState().backupTrigger, time);
    MessageBox::show(nullptr, QStringLiteral("每天自动备份时间是") + time.hour + QStringLiteral("时") + time.minute
                                  + QStringLiteral("分,") + QStringLiteral("更换电脑需重新设置!"));
}

void frm_backup::ComDel_Click()
{
    const QDate upTo = DTPicker1->date();
    const QString question = QStringLiteral("确定要删除") + upTo.toString(QStringLiteral("yyyy年M月d日"))
                             + QStringLiteral("前的数据吗？请确认这些单据已无欠款记录，删除这些数据不影响库存，但影响统计分析！");
    if (!MessageBox::askYesNo(this, question, MessageBox::NoticeTitle, QMessageBox::Information))
        return;
    DbStatus purged;
    {
        const LongWork work(QStringLiteral("正在删除数据……"));
        purged = purgeSlips(upTo);
    }
    if (!purged) {
        MessageBox::show(this, purged.error().text());
        return;
    }
    MessageBox::show(nullptr, QStringLiteral("数据成功删除！"));
    close();
}

void frm_backup::ComCompress_Click()
{
    const BusyForm busyForm(this);
    DbStatus compacted;
    {
        const LongWork work(QStringLiteral("正在压缩数据库……"));
        compacted = compactDatabase(appState().databasePath());
    }
    if (!compacted) {
        MessageBox::show(this, compacted.error().text());
        return;
    }
    MessageBox::show(nullptr, QStringLiteral("压缩修复数据库完成"));
    close();
}

// While a network restore runs, no restore can start here; the window shows
// its progress, whichever window started it.
void frm_backup::followRestore(RestoreInFlight* run)
{
    Command5->setEnabled(false);
    ComDown->setEnabled(false);
    Label1->setWholeText(run->progress());
    connect(run, &RestoreInFlight::progressed, Label1, &ElidedLabel::setWholeText);
    connect(run, &RestoreInFlight::ended, this, [this] {
        const bool administrator = appState().isAdministrator();
        Command5->setEnabled(administrator);
        ComDown->setEnabled(administrator);
    });
}

void frm_backup::ComDown_Click()
{
    if (RestoreInFlight::current() || refusedForOpenWindows(this))
        return;
    // Events run while the blocks arrive: the window may be closed meanwhile.
    const BusyForm busyForm(this);
    const QString transferFile = NetworkBackup::downloadFile();
    NetworkRestore::Download download;
    std::optional<NetworkRestore::Restored> restored;
    {
        // Until the books are in place the program may not end.
        const BooksBusy busy;
        RestoreInFlight run;
        followRestore(&run);
        const QString address = NetworkRestore::remoteAddress(NetworkBackup::httpHost(),
                                                              NetworkBackup::remotePath(NetworkBackup::serial()));
        download = NetworkRestore::download(address, transferFile, [&run](const QString& text) { run.setProgress(text); });
        // A window opened while the blocks arrived would hold the old books.
        if (download.finished && !BooksWindows::anyOpen()) {
            const LongWork work(restoring);
            restored = NetworkRestore::restoreArchive(transferFile, appState().appPath);
        }
    }
    if (download.error)
        MessageBox::show(this, download.error->text());
    else if (download.refused)
        MessageBox::show(this, RestoreResult{false, *download.refused}.message());
    else if (!download.notice.isEmpty())
        MessageBox::show(this, download.notice, MessageBox::NoticeTitle, QMessageBox::Information);
    if (!download.finished)
        return;
    if (!restored) {
        MessageBox::show(this, closeWindowsFirst);
        return;
    }
    if (restored->leftOut)
        MessageBox::show(this, restored->leftOut->text());
    MessageBox::show(this, RestoreResult{restored->books, restored->reason}.message());
}
