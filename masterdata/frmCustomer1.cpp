#include "frmCustomer1.h"
#include "appstate.h"
#include "dialogrules.h"
#include "messagebox.h"
#include "module2.h"
#include "saleslines.h"
#include "saleslinesgrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// One history grid with its title and its two totals.
void addHistory(QVBoxLayout* layout, const QString& title, const QString& grid, const QString& salesBox,
                const QString& profitBox, const SalesLines& lines)
{
    QWidget* part = layout->parentWidget();
    auto* caption = new QLabel(title, part);
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);
    auto* view = new SalesLinesGrid(part);
    view->setObjectName(grid);
    view->setLines(lines);
    layout->addWidget(view);
    auto* totals = new QHBoxLayout;
    auto addTotal = [&](const QString& label, const QString& name, double value) {
        auto* box = new QLineEdit(Module2::FormatMoney(value), part);
        box->setObjectName(name);
        box->setAlignment(Qt::AlignRight);
        box->setReadOnly(true);
        totals->addWidget(new QLabel(label, part));
        totals->addWidget(box);
    };
    addTotal(QStringLiteral("销售总额"), salesBox, lines.amount);
    addTotal(QStringLiteral("利润总额"), profitBox, lines.profit);
    layout->addLayout(totals);
}

// The customer's own purchases and those of the customers he introduced,
// found by his name exactly as the sales slips stored it.
DbStatus readHistories(DbSession& session, const QString& name, SalesLines* own, SalesLines* introduced)
{
    auto mine = ReadSalesLines(session, QStringLiteral("客户"), name, SalesLineKinds::Sale);
    if (!mine)
        return mine.error();
    auto theirs = ReadSalesLines(session, QStringLiteral("介绍人"), name, SalesLineKinds::Sale);
    if (!theirs)
        return theirs.error();
    *own = std::move(*mine);
    *introduced = std::move(*theirs);
    return {};
}

// Another customer of the same name would collect this one's points: sales
// add them by name.
DbResult<std::optional<Refusal>> refuseTakenName(DbSession& session, const MasterRecord& record, EditorMode mode)
{
    QString sql = QStringLiteral("select 1 from 客户 where 名称 = ?");
    QVariantList params{record.value(QStringLiteral("名称"))};
    if (mode == EditorMode::Modify) {
        sql += QStringLiteral(" and 编号 is not ?");
        params << record.oldNumber;
    }
    auto same = session.query(sql + QStringLiteral(" limit 1"), params);
    if (!same)
        return same.error();
    if (same->isEmpty())
        return std::optional<Refusal>();
    return std::optional<Refusal>(Refusal{QStringLiteral("客户名称已经存在，请增加标识用以区分！"), {}, QStringLiteral("Text2")});
}

EditorDesign customerEditorDesign()
{
    EditorDesign design;
    design.number = NumberSchemes::Customers;
    auto field = [](const char* name, const char* label, const char* column, FieldRule rule, int listColumn) {
        return EditorField{QString::fromLatin1(name), QString::fromUtf8(label), QString::fromUtf8(column),
                           QString::fromUtf8(column), rule, listColumn};
    };
    design.fields = {
        field("Text1", "编    号", "编号", FieldRule::Required, 0),
        field("Text18", "会员积分：", "积分", FieldRule::Untested, 1),
        field("Text2", "名    称", "名称", FieldRule::Required, 2),
        field("Text3", "电    话", "电话", FieldRule::Optional, 3),
        field("Text4", "传    真", "传真", FieldRule::Optional, 4),
        field("Text5", "地    址", "地址", FieldRule::Optional, 5),
        field("Text6", "联 系 人", "联系人", FieldRule::Optional, 6),
        field("Text7", "QQ 号 码", "QQ号码", FieldRule::Optional, 7),
        field("Text8", "开户银行", "开户银行", FieldRule::Optional, 8),
        field("Text9", "帐    号", "帐号", FieldRule::Optional, 9),
        field("Text10", "备    注", "备注", FieldRule::Optional, 10),
        field("DTPicker1", "下 次 回 访 或 维 护 日 期 ：", "维护日期", FieldRule::Untested, 11),
        field("Text11", "拼 音 码", "拼音码", FieldRule::Required, 12),
        field("Text12", "五 笔 码", "五笔码", FieldRule::Required, 13),
    };
    EditorField& points = design.fields[1];
    points.kind = FieldKind::Whole;
    points.sameRow = true;
    points.enterChain = false;
    points.labelName = QStringLiteral("Label16");
    // The list's copy may be older than the points sales have added since.
    points.writtenWhenEdited = true;
    design.fields[7].sameRow = true;
    design.fields[7].enterChain = false;
    design.fields[10].kind = FieldKind::MultiLine;
    design.fields[11].kind = FieldKind::Date;
    design.fields[11].enterChain = false;
    // A stored date that is empty or no date stays as it is unless one is chosen.
    design.fields[11].writtenWhenEdited = true;
    design.fields[13].sameRow = true;
    design.caption = QStringLiteral("会员客户记录（部分内容查看需管理员权限）");
    design.viewCaption = QStringLiteral("客户信息及消费记录");
    design.nameField = QStringLiteral("Text2");
    design.pinyinField = QStringLiteral("Text11");
    design.wubiField = QStringLiteral("Text12");
    design.refuseSave = refuseTakenName;
    return design;
}
}

frmCustomer1::frmCustomer1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(customerEditorDesign(), list, mode, parent)
{
    auto* label = findChild<QLabel*>(QStringLiteral("Label16"));
    QWidget* points = box(QStringLiteral("Text18"));
    QFont bold = points->font();
    bold.setBold(true);
    label->setFont(bold);
    points->setFont(bold);
    if (mode == EditorMode::Add)
        label->setText(QStringLiteral("初始积分"));
    points->setEnabled(mode == EditorMode::Add || (mode == EditorMode::Modify && appState().isAdministrator()));
    // Only the administrator sees the histories, and only when viewing; for
    // anyone else the part is not built and its queries never run.
    if (mode == EditorMode::View && appState().isAdministrator()) {
        addSidePart(buildHistoryPart());
        DialogRules::CenterForm(this);
    }
}

QWidget* frmCustomer1::buildHistoryPart()
{
    SalesLines own;
    SalesLines introduced;
    const QString name = text(QStringLiteral("Text2"));
    const DbStatus status = Database::read([&](DbSession& s) { return readHistories(s, name, &own, &introduced); });
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    addHistory(layout, QStringLiteral("会 员 客 户 个 人 消 费 情 况"), QStringLiteral("MSHFlexGrid1"), QStringLiteral("Text14"),
               QStringLiteral("Text15"), own);
    addHistory(layout, QStringLiteral("会 员 客 户 转 介 消 费 情 况"), QStringLiteral("MSHFlexGrid2"), QStringLiteral("Text16"),
               QStringLiteral("Text17"), introduced);
    layout->addWidget(new QLabel(QStringLiteral("会员个人消费和介绍新客户消费按一元一分累计到会员积分"), part));
    layout->addStretch();
    if (!status)
        MessageBox::show(this, status.error().text());
    return part;
}
