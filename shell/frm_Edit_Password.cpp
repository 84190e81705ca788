#include "frm_Edit_Password.h"
#include "formparts.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "operators.h"
#include "unloadform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FormParts;

frm_Edit_Password::frm_Edit_Password(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_Edit_Password"));
    setWindowTitle(QStringLiteral("密码修改"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* Frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    Text5 = labelledBox(grid, 0, 0, QStringLiteral("Label4"), QStringLiteral("请输入用户名"), QStringLiteral("Text5"));
    Text1 = labelledBox(grid, 1, 0, QStringLiteral("Label1"), QStringLiteral("请输入旧密码"), QStringLiteral("Text1"));
    Text2 = labelledBox(grid, 2, 0, QStringLiteral("Label2"), QStringLiteral("请输入新密码"), QStringLiteral("Text2"));
    Text3 = labelledBox(grid, 3, 0, QStringLiteral("Label3"), QStringLiteral("请确认新密码"), QStringLiteral("Text3"));
    for (QLineEdit* box : {Text1, Text2, Text3})
        maskWithStars(box);

    auto* Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确认"));
    auto* Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("取消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttonRow({Command1, Command2}));

    setTabOrder(Text5, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    Text5->setFocus();

    connect(Command1, &QPushButton::clicked, this, &frm_Edit_Password::Command1_Click);
    EnterToNext::install({Text5, Text1, Text2, Text3}, [this] { Command1_Click(); });
    closeWith(this, Command2);

    DialogRules::SetTopmost(this, true);
    DialogRules::CenterForm(this);
}

void frm_Edit_Password::Command1_Click()
{
    DialogRules::SetTopmost(this, false);
    const auto outcome = Operators::changePassword(Text5->text(), Text1->text(), Text2->text(), Text3->text());
    if (!outcome) {
        MessageBox::show(this, outcome.error().text(), QStringLiteral("提示信息"), QMessageBox::Critical);
        return;
    }
    switch (*outcome) {
    case Operators::PasswordOutcome::Incomplete:
        MessageBox::show(this, QStringLiteral("输入不能为空!!"), QStringLiteral("提示信息"), QMessageBox::Warning);
        return;
    case Operators::PasswordOutcome::NoMatch:
        MessageBox::show(this, QStringLiteral("没有此用户的信息,请您确认后重新输入"), QStringLiteral("信息提示"),
                         QMessageBox::Warning);
        for (QLineEdit* box : {Text5, Text1, Text2, Text3})
            box->clear();
        Text5->setFocus();
        return;
    case Operators::PasswordOutcome::NewPasswordsDiffer:
        MessageBox::show(this, QStringLiteral("两次输入的密码不一致,请您确认后重新输入"), QStringLiteral("提示信息"),
                         QMessageBox::Warning);
        Text2->clear();
        Text3->clear();
        Text2->setFocus();
        return;
    case Operators::PasswordOutcome::Changed:
        MessageBox::show(this, QStringLiteral("密码修改成功,请您记住新密码"), QStringLiteral("信息提示"));
        Module2::UnloadForm(this);
        return;
    }
}
