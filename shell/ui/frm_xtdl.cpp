#include "frm_xtdl.h"
#include "MDIF_main.h"
#include "TuoPan.h"
#include "appstate.h"
#include "dialogrules.h"
#include "dispatch.h"
#include "instancelock.h"
#include "messagebox.h"
#include "operators.h"
#include "paths.h"
#include "programend.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace {
const QString loginTitle = QStringLiteral("库存管理系统");
}

frm_xtdl* frm_xtdl::load()
{
    AppState& app = appState();
    // One login form at a time: the one open is raised.
    if (auto* open = qobject_cast<frm_xtdl*>(app.openForm(QStringLiteral("frm_xtdl"))); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    app.appPath = Paths::appPath();
    if (!app.instanceLock)
        app.instanceLock = std::make_unique<InstanceLock>(QStringLiteral("Varnholt"));
    if (!app.instanceLock->acquire()) {
        MessageBox::show(nullptr, QStringLiteral("程序已经运行，请查看右下角图标！"), QStringLiteral("系统提示"),
                         QMessageBox::Information, QMessageBox::Ok);
        return nullptr;
    }
    auto* form = new frm_xtdl;
    app.registerForm(QStringLiteral("frm_xtdl"), form);
    form->fillOperators();
    DialogRules::CenterForm(form);
    form->show();
    return form;
}

frm_xtdl::frm_xtdl()
{
    setObjectName(QStringLiteral("frm_xtdl"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("系统登录"));

    auto* label1 = new QLabel(QStringLiteral("用户名"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    auto* label2 = new QLabel(QStringLiteral("密 码"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setEchoMode(QLineEdit::Password);
    m_text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    m_listView1 = new QListWidget(this);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setViewMode(QListView::IconMode);
    m_listView1->setMovement(QListView::Static);
    m_listView1->setResizeMode(QListView::Adjust);
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    auto* command1 = new QPushButton(QStringLiteral("确定"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    auto* command2 = new QPushButton(QStringLiteral("取消"), this);
    command2->setObjectName(QStringLiteral("Command2"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_listView1, 0, 0, 1, 4);
    layout->addWidget(m_label3, 1, 0, 1, 4);
    layout->addWidget(label1, 2, 0);
    layout->addWidget(m_text2, 2, 1, 1, 3);
    layout->addWidget(label2, 3, 0);
    layout->addWidget(m_text1, 3, 1, 1, 3);
    layout->addWidget(command1, 4, 2);
    layout->addWidget(command2, 4, 3);
    resize(420, 320);

    // An operator chosen by the keys shows as one clicked; only a click moves
    // on to the password.
    connect(m_listView1, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* selected = m_listView1->selectedItems().value(0))
            showOperator(selected);
    });
    connect(m_listView1, &QListWidget::itemClicked, this, &frm_xtdl::ListView1_ItemClick);
    connect(m_text2, &QLineEdit::returnPressed, m_text1, [this] { m_text1->setFocus(); });
    connect(m_text1, &QLineEdit::returnPressed, this, &frm_xtdl::Command1_Click);
    connect(command1, &QPushButton::clicked, this, &frm_xtdl::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &frm_xtdl::Command2_Click);
    // Enter on a focused button presses it; Esc does nothing.
    DialogKeyFilter::install(this);
}

void frm_xtdl::fillOperators()
{
    const auto names = Operators::names(Operators::NameOrder::Table);
    m_listView1->clear();
    m_listView1->setEnabled(names && !names->isEmpty());
    if (!names) {
        reportDatabaseError(names.error());
        return;
    }
    const QIcon icon = style()->standardIcon(QStyle::SP_DirHomeIcon);
    for (const QString& name : *names)
        new QListWidgetItem(icon, name, m_listView1);
}

void frm_xtdl::showOperator(QListWidgetItem* item)
{
    m_shown = item;
    m_text2->setText(item->text());
    // A failed read leaves the post as it was, without a message.
    const auto found = Operators::find(m_text2->text());
    m_shownFound = found && *found;
    if (m_shownFound)
        m_label3->setText(QStringLiteral("所选操作员职务： ") + (*found)->post);
}

void frm_xtdl::ListView1_ItemClick(QListWidgetItem* item)
{
    // The press that selected the item has shown it already.
    if (item == m_shown)
        m_text2->setText(item->text());
    else
        showOperator(item);
    if (m_shownFound)
        m_text1->setFocus();
}

void frm_xtdl::Command1_Click()
{
    DialogRules::SetTopmost(this, false);
    const QString name = m_text2->text();
    const auto identity = Operators::checkIdentity(name, m_text1->text());
    if (!identity) {
        // A database that cannot be read logs nobody in; the form stays.
        reportDatabaseError(identity.error());
        return;
    }
    switch (*identity) {
    case Operators::IdentityOutcome::Unknown:
        MessageBox::show(this, QStringLiteral("对不起 没有此用户的信息"), loginTitle, QMessageBox::NoIcon, QMessageBox::Ok);
        m_text2->clear();
        m_text1->clear();
        return;
    case Operators::IdentityOutcome::WrongPassword:
        MessageBox::show(this, QStringLiteral("密码不正确,请您确认后重新输入"), loginTitle, QMessageBox::NoIcon,
                         QMessageBox::Ok);
        m_text1->clear();
        m_text1->setFocus();
        return;
    case Operators::IdentityOutcome::Confirmed:
        appState().currentOperator = name;
        TuoPan::loadOnce();
        Dispatch::showOnce(QStringLiteral("MDIF_main"), [] { return new MDIF_main; });
        close();
        return;
    }
}

void frm_xtdl::Command2_Click() { ProgramEnd::unloadEveryForm(); }

void frm_xtdl::reportDatabaseError(const DbError& error)
{
    MessageBox::show(this, error.text(), QStringLiteral("系统提示"), QMessageBox::Warning, QMessageBox::Ok);
}
