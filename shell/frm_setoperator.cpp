#include "frm_setoperator.h"
#include "formparts.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "module2.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace FormParts;

namespace {
struct RightTab {
    const char16_t* caption;
    int lastRight;
};
// The tabs in order, each holding the rights up to its last one.
constexpr RightTab rightTabs[] = {
    {u"期初设置", 5}, {u"货品管理", 13}, {u"查询统计", 17}, {u"库存管理", 21}, {u"系统维护", 25},
};

constexpr const char16_t* rightCaptions[Operators::RightCount] = {
    u"供应商信息维护",     u"客户信息维护",       u"业务员设置",         u"货品信息维护",       u"商品类别与计量单位",
    u"货品入库",           u"入库记录及资金往来", u"入库退货",           u"退货记录及资金往来", u"货品销售",
    u"销售记录及资金往来", u"销售退货",           u"退货记录及资金往来", u"库存查询",           u"日常支出",
    u"利润统计",           u"数据分析",           u"商品盘点",           u"盘点记录查询",       u"商品报损",
    u"报损记录查询",       u"操作员管理",         u"密码修改",           u"权限设置",           u"数据清理",
};

// The right the administrator may not take from himself here.
constexpr int rightsEditorRight = 24;
}

QString frm_setoperator::rightCaption(int right) { return QString::fromUtf16(rightCaptions[right - 1]); }

frm_setoperator::frm_setoperator(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_setoperator"));
    setWindowTitle(QStringLiteral("操作员设置"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* Frame1 = new QGroupBox(QStringLiteral("操作员信息"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ListView1 = new QListWidget(Frame1);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    auto* listLayout = new QVBoxLayout(Frame1);
    listLayout->addWidget(ListView1);

    Frame3 = new QGroupBox(QStringLiteral("设置操作员权限"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* SSTab1 = new QTabWidget(Frame3);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    int right = 1;
    for (const RightTab& tab : rightTabs) {
        auto* page = new QWidget(SSTab1);
        auto* pageLayout = new QVBoxLayout(page);
        for (; right <= tab.lastRight; ++right) {
            auto* box = new QCheckBox(rightCaption(right), page);
            box->setObjectName(QStringLiteral("Check%1").arg(right));
            pageLayout->addWidget(box);
            checks[right - 1] = box;
        }
        pageLayout->addStretch();
        SSTab1->addTab(page, QString::fromUtf16(tab.caption));
    }
    // Every tab's caption in sight, as on the designed form.
    SSTab1->setMinimumWidth(SSTab1->tabBar()->sizeHint().width() + 8);
    auto* tabLayout = new QVBoxLayout(Frame3);
    tabLayout->addWidget(SSTab1);

    Label1 = label(this, QStringLiteral("Label1"), QString());
    Cmd_sq = button(this, QStringLiteral("Cmd_sq"), QStringLiteral("授权"));
    Cmd_sq->setEnabled(false);
    auto* Cmd_Cancel = button(this, QStringLiteral("Cmd_Cancel"), QStringLiteral("全不选"));
    auto* Cmd_exit = button(this, QStringLiteral("Cmd_exit"), QStringLiteral("关闭"));

    auto* panes = new QHBoxLayout;
    panes->addWidget(Frame1);
    panes->addWidget(Frame3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(Cmd_sq);
    buttons->addWidget(Cmd_Cancel);
    buttons->addWidget(Cmd_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);

    // Selected by a click or by the keys alike: the boxes always show the
    // operator 授权 writes to.
    connect(ListView1, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* selected = ListView1->selectedItems().value(0))
            ListView1_ItemClick(selected);
    });
    connect(Cmd_sq, &QPushButton::clicked, this, &frm_setoperator::Cmd_sq_Click);
    connect(Cmd_Cancel, &QPushButton::clicked, this, &frm_setoperator::Cmd_Cancel_Click);
    closeWith(this, Cmd_exit);

    DialogRules::SetTopmost(this, true);
    DialogRules::CenterForm(this);

    const auto names = Operators::names(Operators::NameOrder::Table);
    if (!names) {
        MessageBox::show(this, names.error().text());
    } else if (!names->isEmpty()) {
        const QIcon icon = style()->standardIcon(QStyle::SP_DirHomeIcon);
        ListView1->clear();
        for (const QString& name : *names)
            ListView1->addItem(new QListWidgetItem(icon, name));
    }
}

void frm_setoperator::ListView1_ItemClick(QListWidgetItem* item)
{
    m_chosen = item->text();
    const QString name = m_chosen.trimmed();
    // A failing read leaves the boxes as they are, without a message; they
    // then show someone else, so nothing may be granted from them.
    auto found = Operators::find(m_chosen);
    Cmd_sq->setEnabled(bool(found));
    if (found && *found) {
        const Operators::Record& record = **found;
        Label1->setText(QStringLiteral("当前所选操作员 ") + record.name + QStringLiteral(" 的职务为： ") + record.post);
        Frame3->setTitle(QStringLiteral("操作员 ") + name + QStringLiteral(" 的权限设置"));
        for (int right = 1; right <= Operators::RightCount; ++right) {
            if (const auto flag = record.rights[right - 1])
                checks[right - 1]->setChecked(*flag);
        }
    }
    checks[rightsEditorRight - 1]->setHidden(name == Operators::administratorName());
}

void frm_setoperator::Cmd_sq_Click()
{
    DialogRules::SetTopmost(this, false);
    auto names = Operators::names(Operators::NameOrder::Table);
    if (!names) {
        MessageBox::show(this, names.error().text(), MessageBox::NoticeTitle, QMessageBox::Critical);
        return;
    }
    if (names->isEmpty())
        return;
    if (!MessageBox::askYesNo(this, QStringLiteral("确认要将所选权限的信息赋给该操作员吗?"), MessageBox::NoticeTitle))
        return;
    std::array<bool, Operators::RightCount> rights{};
    for (int i = 0; i < Operators::RightCount; ++i)
        rights[i] = checks[i]->isChecked();
    if (auto written = Operators::writeRights(m_chosen, rights); !written) {
        MessageBox::show(this, written.error().text(), MessageBox::NoticeTitle, QMessageBox::Critical);
        return;
    }
    Cmd_sq->setEnabled(false);
}

void frm_setoperator::Cmd_Cancel_Click()
{
    // A hidden box keeps its state: the administrator never loses his own
    // access to this editor.
    for (QCheckBox* box : checks) {
        if (!box->isHidden())
            box->setChecked(false);
    }
}
