#include "frm_sfyz.h"
#include "appstate.h"
#include "formparts.h"
#include "dialogrules.h"
#include "dispatch.h"
#include "frm_del_Data.h"
#include "messagebox.h"
#include "operators.h"
#include "unloadform.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FormParts;

frm_sfyz::frm_sfyz(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_sfyz"));
    setWindowTitle(QStringLiteral("初始化数据身份验证"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* Frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    Text1 = labelledBox(grid, 0, 0, QStringLiteral("Label1"), QStringLiteral("操作员姓名"), QStringLiteral("Text1"));
    Text2 = labelledBox(grid, 1, 0, QStringLiteral("Label2"), QStringLiteral("操作员口令"), QStringLiteral("Text2"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    maskWithStars(Text2);

    auto* Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确定"));
    auto* Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("取消"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttonRow({Command1, Command2}));
    Text2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &frm_sfyz::Command1_Click);
    EnterToNext::install({Text2}, [this] { Command1_Click(); });
    closeWith(this, Command2);

    DialogRules::SetTopmost(this, true);
    DialogRules::CenterForm(this);
}

void frm_sfyz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frm_sfyz::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frm_sfyz::Form_Activate() { Text1->setText(appState().currentOperator); }

void frm_sfyz::Command1_Click()
{
    DialogRules::SetTopmost(this, false);
    const auto outcome = Operators::checkIdentity(Text1->text(), Text2->text());
    if (!outcome) {
        MessageBox::show(this, outcome.error().text(), QStringLiteral("提示信息"), QMessageBox::Critical);
        return;
    }
    switch (*outcome) {
    case Operators::IdentityOutcome::Unknown:
        return;
    case Operators::IdentityOutcome::WrongPassword:
        MessageBox::show(this, QStringLiteral("您输入的密码不正确,请您确认后重新输入"), QStringLiteral("提示信息"),
                         QMessageBox::Warning);
        Text2->clear();
        Text2->setFocus();
        return;
    case Operators::IdentityOutcome::Confirmed:
        // Over the main window, never over this dialog, which goes now.
        QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        Dispatch::showOnce(
            QStringLiteral("frm_del_Data"), [owner] { return new frm_del_Data(owner); }, FormRegistry::Kind::BooksWindow);
        Module2::UnloadForm(this);
        return;
    }
}
