#include "frm_systemer.h"
#include "appstate.h"
#include "formparts.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "operators.h"
#include "unloadform.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace FormParts;

frm_systemer::frm_systemer(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_systemer"));
    setWindowTitle(QStringLiteral("用户管理"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* Frame3 = named(new QGroupBox(QStringLiteral("操作选择"), this), QStringLiteral("Frame3"));
    Option1 = named(new QRadioButton(QStringLiteral("注册新用户"), Frame3), QStringLiteral("Option1"));
    Option2 = named(new QRadioButton(QStringLiteral("删除现有的用户"), Frame3), QStringLiteral("Option2"));
    auto* options = new QHBoxLayout(Frame3);
    options->addWidget(Option1);
    options->addWidget(Option2);

    Frame2 = named(new QGroupBox(this), QStringLiteral("Frame2"));
    auto* registration = new QGridLayout(Frame2);
    Text1 = labelledBox(registration, 0, 0, QStringLiteral("Label1"), QStringLiteral("用户名称"), QStringLiteral("Text1"));
    Text2 = labelledBox(registration, 0, 2, QStringLiteral("Label5"), QStringLiteral("职务"), QStringLiteral("Text2"));
    Text3 = labelledBox(registration, 1, 0, QStringLiteral("Label2"), QStringLiteral("用户密码"), QStringLiteral("Text3"));
    Text4 = labelledBox(registration, 1, 2, QStringLiteral("Label3"), QStringLiteral("确认密码"), QStringLiteral("Text4"));
    maskWithStars(Text3);
    maskWithStars(Text4);

    Frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* deletion = new QHBoxLayout(Frame1);
    Combo1 = named(new QComboBox(Frame1), QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    deletion->addWidget(label(Frame1, QStringLiteral("Label4"), QStringLiteral("请选择您要删除的用户名称")));
    deletion->addWidget(Combo1, 1);

    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确定"));
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("确定"));
    auto* Command3 = button(this, QStringLiteral("Command3"), QStringLiteral("取消"));

    // The two panels, and the two 确定 buttons, share one place.
    auto* panels = new QGridLayout;
    panels->addWidget(Frame2, 0, 0);
    panels->addWidget(Frame1, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame3);
    layout->addLayout(panels);
    layout->addLayout(buttonRow({Command1, Command2, Command3}));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &frm_systemer::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_systemer::Command2_Click);
    EnterToNext::install({Text1, Text2, Text3, Text4}, [this] { Command1_Click(); });
    EnterToNext::install({Combo1}, [this] { Command2_Click(); });
    closeWith(this, Command3);

    DialogRules::SetTopmost(this, true);

    Option1->setChecked(true);
    if (const auto names = Operators::names(Operators::NameOrder::ById))
        Combo1->addItems(*names);
    else
        MessageBox::show(this, names.error().text());
    Combo1->setCurrentIndex(-1);
}

void frm_systemer::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        DialogRules::CenterForm(this);
}

void frm_systemer::Option1_Click()
{
    Frame2->show();
    Command1->show();
    Frame1->hide();
    Command2->hide();
}

void frm_systemer::Option2_Click()
{
    Frame1->show();
    Command2->show();
    Frame2->hide();
    Command1->hide();
    Combo1->setFocus();
}

void frm_systemer::clearRegistration()
{
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        box->clear();
}

void frm_systemer::Command1_Click()
{
    DialogRules::SetTopmost(this, false);
    const auto outcome = Operators::registerOperator({Text1->text(), Text2->text(), Text3->text(), Text4->text()});
    if (!outcome) {
        MessageBox::show(this, outcome.error().text(), QStringLiteral("提示信息"), QMessageBox::Critical);
        return;
    }
    switch (*outcome) {
    case Operators::RegisterOutcome::Incomplete:
        MessageBox::show(this, QStringLiteral("输入的用户注册信息不完全!!"), QStringLiteral("提示信息"));
        return;
    case Operators::RegisterOutcome::NameTaken:
        MessageBox::show(this, QStringLiteral("该用户名已经存在,请您更换其他用户名!"), QStringLiteral("提示信息"),
                         QMessageBox::Warning);
        clearRegistration();
        Text1->setFocus();
        return;
    case Operators::RegisterOutcome::PasswordsDiffer:
        MessageBox::show(this, QStringLiteral("两次输入的密码不一致,请您确认后重新输入"), QStringLiteral("用户注册信息提示"),
                         QMessageBox::Warning);
        Text3->clear();
        Text4->clear();
        Text3->setFocus();
        return;
    case Operators::RegisterOutcome::Registered:
        MessageBox::show(this, QStringLiteral("注册成功!!"), QStringLiteral("用户注册信息提示"), QMessageBox::Warning);
        clearRegistration();
        Module2::UnloadForm(this);
        return;
    }
}

void frm_systemer::Command2_Click()
{
    DialogRules::SetTopmost(this, false);
    const QString name = Combo1->currentText();
    if (Operators::sameName(name, appState().currentOperator)) {
        MessageBox::show(this, QStringLiteral("不能删除当前用户名!!"), QStringLiteral("提示信息"), QMessageBox::Warning);
        return;
    }
    if (!MessageBox::askOkCancel(this, QStringLiteral("您确认要删除该用户吗?"), QStringLiteral("删除用户信息提示"),
                                 QMessageBox::Critical))
        return;
    const auto outcome = Operators::deleteOperator(name);
    if (!outcome) {
        MessageBox::show(this, outcome.error().text(), QStringLiteral("提示信息"), QMessageBox::Critical);
        return;
    }
    switch (*outcome) {
    case Operators::DeleteOutcome::NotFound:
        MessageBox::show(this, QStringLiteral("当前数据库中没有可删除的用户信息"), QStringLiteral("信息提示"));
        return;
    case Operators::DeleteOutcome::Administrator:
        MessageBox::show(this, QStringLiteral("不能删除管理员账户"));
        return;
    case Operators::DeleteOutcome::Deleted:
        Module2::UnloadForm(this);
        return;
    }
}
