#include "frmCompany.h"
#include "dbsession.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "module2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int TwipsPerPixel = 15;
const char* const Columns[] = {"名称", "地址", "联系人", "电话"};
const char* const Labels[] = {"店铺名称", "店铺地址", "联 系 人", "联系电话"};

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
}

frmCompany::frmCompany(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCompany"));
    setWindowTitle(QStringLiteral("店铺信息"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Tahoma")));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf8(Labels[i]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setMinimumWidth(3000 / TwipsPerPixel);
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        m_boxes << box;
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* save = makeButton("ComSave", "保    存", this);
    auto* cancel = makeButton("Command2", "取    消", this);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &frmCompany::ComSave_Click);
    connect(cancel, &QPushButton::clicked, this, &frmCompany::Command2_Click);
    // No button acts on Enter from a box; Esc leaves as 取消 does.
    DialogKeyFilter::install(this, [this] { Command2_Click(); });

    Form_Load();
}

void frmCompany::Form_Load()
{
    DialogRules::SetTopmost(this, true);
    DialogRules::CenterForm(this);
    // A database that cannot be read leaves the boxes empty, without a message.
    auto conn = Mod1::OpenConn();
    if (!conn)
        return;
    auto rows = conn->query(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息 limit 1"));
    if (!rows || rows->isEmpty())
        return;
    for (int i = 0; i < 4; ++i)
        m_boxes[i]->setText(rows->value(0, QString::fromUtf8(Columns[i])).toString());
}

void frmCompany::ComSave_Click()
{
    // A message box must not fall behind the dialog.
    DialogRules::SetTopmost(this, false);
    QVariantList values;
    for (const QLineEdit* box : std::as_const(m_boxes))
        values << box->text();
    const DbStatus status = Database::runInTransaction([&](DbSession& session) -> DbStatus {
        auto count = session.query(QStringLiteral("select count(*) from 店铺信息"));
        if (!count)
            return count.error();
        // The table is used as one row: every row takes the four values.
        const QString sql = count->data().value(0).value(0).toInt() > 0
                                ? QStringLiteral("update 店铺信息 set 名称 = ?, 地址 = ?, 联系人 = ?, 电话 = ?")
                                : QStringLiteral("insert into 店铺信息 (名称, 地址, 联系人, 电话) values (?, ?, ?, ?)");
        return session.exec(sql, values).status();
    });
    if (!status) {
        MessageBox::show(this, status.error().text() + QLatin1Char('\n'));
        // The dialog stays open over the other windows, as it opened.
        DialogRules::SetTopmost(this, true);
        return;
    }
    Module2::UnloadForm(this);
}

void frmCompany::Command2_Click() { Module2::UnloadForm(this); }
