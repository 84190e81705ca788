#include "frm_xtdl.h"
#include "MDIF_main.h"
#include "TuoPan.h"
#include "appstate.h"
#include "dialogrules.h"
#include "dispatch.h"
#include "formparts.h"
#include "formregistry.h"
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

using namespace FormParts;

namespace {
const QString loginTitle = QStringLiteral("库存管理系统");
}

frm_xtdl* frm_xtdl::load()
{
    AppState& app = appState();
    // One login form at a time: the one open is raised.
    if (auto* open = qobject_cast<frm_xtdl*>(FormRegistry::openForm(QStringLiteral("frm_xtdl"))); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    app.appPath = Paths::appPath();
    if (!claimInstance())
        return nullptr;
    auto* form = new frm_xtdl;
    FormRegistry::registerForm(QStringLiteral("frm_xtdl"), form);
    form->fillOperators();
    DialogRules::CenterForm(form);
    form->show();
    return form;
}

bool frm_xtdl::claimInstance()
{
    AppState& app = appState();
    if (!app.instanceLock)
        app.instanceLock = std::make_unique<InstanceLock>(QStringLiteral("Varnholt"));
    if (app.instanceLock->acquire())
        return true;
    MessageBox::show(nullptr, QStringLiteral("程序已经运行，请查看右下角图标！"), QStringLiteral("系统提示"),
                     QMessageBox::Information, QMessageBox::Ok);
    return false;
}

frm_xtdl::frm_xtdl()
{
    setObjectName(QStringLiteral("frm_xtdl"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("系统登录"));

    m_listView1 = named(new QListWidget(this), QStringLiteral("ListView1"));
    m_listView1->setViewMode(QListView::IconMode);
    m_listView1->setMovement(QListView::Static);
    m_listView1->setResizeMode(QListView::Adjust);
    m_label3 = label(this, QStringLiteral("Label3"), QString());
    auto* layout = new QGridLayout(this);
    m_text2 = labelledBox(layout, 2, 0, QStringLiteral("Label1"), QStringLiteral("用户名"), QStringLiteral("Text2"));
    m_text1 = labelledBox(layout, 3, 0, QStringLiteral("Label2"), QStringLiteral("密 码"), QStringLiteral("Text1"));
    maskWithStars(m_text1);
    auto* command1 = button(this, QStringLiteral("Command1"), QStringLiteral("确定"));
    auto* command2 = button(this, QStringLiteral("Command2"), QStringLiteral("取消"));

    layout->addWidget(m_listView1, 0, 0, 1, 2);
    layout->addWidget(m_label3, 1, 0, 1, 2);
    layout->addLayout(buttonRow({command1, command2}), 4, 0, 1, 2);
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
        MessageBox::show(this, QStringLiteral("密码不正确,请您确认后重新输入"), loginTitle, QMessageBox::NoIcon, QMessageBox::Ok);
        m_text1->clear();
        m_text1->setFocus();
        return;
    case Operators::IdentityOutcome::Confirmed:
        appState().currentOperator = name;
        TuoPan::loadOnce();
        Dispatch::showOnce(
            QStringLiteral("MDIF_main"), [] { return new MDIF_main; }, FormRegistry::Kind::Other);
        close();
        return;
    }
}

void frm_xtdl::Command2_Click() { ProgramEnd::unloadEveryForm(); }

void frm_xtdl::reportDatabaseError(const DbError& error)
{
    MessageBox::show(this, error.text(), QStringLiteral("系统提示"), QMessageBox::Warning, QMessageBox::Ok);
}
