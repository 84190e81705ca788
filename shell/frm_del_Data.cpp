#include "frm_del_Data.h"
#include "datainit.h"
#include "formparts.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "unloadform.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FormParts;

frm_del_Data::frm_del_Data(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_del_Data"));
    setWindowTitle(QStringLiteral("系统初始化"));
    setAttribute(Qt::WA_DeleteOnClose);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
    auto* cmdAllSel = button(this, QStringLiteral("cmdAllSel"), QStringLiteral("全选"));
    auto* cmdNotAllSel = button(this, QStringLiteral("cmdNotAllSel"), QStringLiteral("全不选"));
    auto* cmdSel = button(this, QStringLiteral("cmdSel"), QStringLiteral("保留期初"));
    auto* cmdDel = button(this, QStringLiteral("cmdDel"), QStringLiteral("初始化"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAllSel, cmdNotAllSel, cmdSel, cmdDel})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(List1, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ProgressBar1);

    connect(cmdAllSel, &QPushButton::clicked, this, [this] { setAllChecked(true); });
    connect(cmdNotAllSel, &QPushButton::clicked, this, [this] { setAllChecked(false); });
    connect(cmdSel, &QPushButton::clicked, this, &frm_del_Data::cmdSel_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frm_del_Data::cmdDel_Click);
    closeWith(this, nullptr);
    DialogRules::CenterForm(this);

    List1->clear();
    const auto tables = DataInit::tables();
    if (!tables) {
        MessageBox::show(this, tables.error().text(), QString(), QMessageBox::Critical);
        return;
    }
    for (const QString& table : *tables) {
        auto* item = new QListWidgetItem(table, List1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void frm_del_Data::setAllChecked(bool checked)
{
    for (int i = 0; i < List1->count(); ++i)
        List1->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void frm_del_Data::cmdSel_Click()
{
    for (int i = 0; i < List1->count(); ++i) {
        QListWidgetItem* item = List1->item(i);
        item->setCheckState(DataInit::openingTables().contains(item->text()) ? Qt::Unchecked : Qt::Checked);
    }
}

QStringList frm_del_Data::checkedTables() const
{
    QStringList tables;
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->checkState() == Qt::Checked)
            tables << List1->item(i)->text();
    }
    return tables;
}

void frm_del_Data::cmdDel_Click()
{
    const QStringList tables = checkedTables();
    if (tables.isEmpty()) {
        MessageBox::show(this, QStringLiteral("请选择需要初始化的数据表"));
        return;
    }
    ProgressBar1->show();
    ProgressBar1->setRange(0, int(tables.size()));
    ProgressBar1->setValue(ProgressBar1->minimum());
    const DbStatus status = DataInit::emptyTables(tables, [this] { ProgressBar1->setValue(ProgressBar1->value() + 1); });
    ProgressBar1->hide();
    ProgressBar1->setValue(ProgressBar1->minimum());
    if (!status) {
        MessageBox::show(this, status.error().text(), QString(), QMessageBox::Critical);
        return;
    }
    MessageBox::show(this, QStringLiteral("初始化完成"));
    Module2::UnloadForm(this);
}
