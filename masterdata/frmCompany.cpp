#include "frmCompany.h"
#include "dbsession.h"
#include "dialogrules.h"
#include "formparts.h"
#include "messagebox.h"
#include "shopdetails.h"
#include "unloadform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const Labels[] = {"店铺名称", "店铺地址", "联 系 人", "联系电话"};
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
        auto* label = FormParts::label(this, QStringLiteral("Label%1").arg(i + 1), QString::fromUtf8(Labels[i]));
        auto* box = FormParts::named(new QLineEdit(this), QStringLiteral("Text%1").arg(i + 1));
        box->setMinimumWidth(FormParts::pixels(3000));
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        m_boxes << box;
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* save = FormParts::button(this, QStringLiteral("ComSave"), QStringLiteral("保    存"));
    auto* cancel = FormParts::button(this, QStringLiteral("Command2"), QStringLiteral("取    消"));
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
    const auto details = Database::read([](DbSession& s) { return ReadShopDetails(s); });
    if (!details || !*details)
        return;
    const ShopDetails& shop = **details;
    for (int i = 0; const QString& text : {shop.name, shop.address, shop.contact, shop.phone})
        m_boxes[i++]->setText(text);
}

void frmCompany::ComSave_Click()
{
    // A message box must not fall behind the dialog.
    DialogRules::SetTopmost(this, false);
    const ShopDetails shop{m_boxes[0]->text(), m_boxes[1]->text(), m_boxes[2]->text(), m_boxes[3]->text()};
    const DbStatus status = Database::runInTransaction([&shop](DbSession& s) { return SaveShopDetails(s, shop); });
    if (!status) {
        MessageBox::show(this, status.error().text() + QLatin1Char('\n'));
        // The dialog stays open over the other windows, as it opened.
        DialogRules::SetTopmost(this, true);
        return;
    }
    Module2::UnloadForm(this);
}

void frmCompany::Command2_Click() { Module2::UnloadForm(this); }
