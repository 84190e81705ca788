#include "frmCustomer1.h"
#include "appstate.h"
#include "customers.h"
#include "dialogrules.h"
#include "formparts.h"
#include "messagebox.h"
#include "module2.h"
#include "moneybox.h"
#include "saleslines.h"
#include "saleslinesgrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// One history grid with its title and its two totals.
void addHistory(QVBoxLayout* layout, const QString& title, const QString& grid, const QString& salesBox, const QString& profitBox,
                const SalesLines& lines)
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
        QLineEdit* box = FormParts::figureBox(part, name, Module2::FormatMoney(value));
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
    auto taken = Customers::nameTaken(session, record.value(QStringLiteral("名称")).toString(),
                                      mode == EditorMode::Modify ? record.oldNumber : QString());
    if (!taken)
        return taken.error();
    if (!*taken)
        return std::optional<Refusal>();
    return std::optional<Refusal>(Refusal{QStringLiteral("客户名称已经存在，请增加标识用以区分！"), {}, QStringLiteral("Text2")});
}

EditorDesign customerEditorDesign()
{
    using enum FieldRule;
    return {
        .number = NumberSchemes::Customers,
        .fields =
            {
                {.objectName = "Text1", .label = "编    号", .column = "编号", .rule = Required},
                // The list's copy of the points may be older than the points sales have added since.
                {.objectName = "Text18",
                 .label = "会员积分：",
                 .column = "积分",
                 .rule = Untested,
                 .kind = FieldKind::Whole,
                 .enterChain = false,
                 .sameRow = true,
                 .labelName = "Label16",
                 .writtenWhenEdited = true},
                {.objectName = "Text2", .label = "名    称", .column = "名称", .rule = Required},
                {.objectName = "Text3", .label = "电    话", .column = "电话"},
                {.objectName = "Text4", .label = "传    真", .column = "传真"},
                {.objectName = "Text5", .label = "地    址", .column = "地址"},
                {.objectName = "Text6", .label = "联 系 人", .column = "联系人"},
                {.objectName = "Text7", .label = "QQ 号 码", .column = "QQ号码", .enterChain = false, .sameRow = true},
                {.objectName = "Text8", .label = "开户银行", .column = "开户银行"},
                {.objectName = "Text9", .label = "帐    号", .column = "帐号"},
                {.objectName = "Text10", .label = "备    注", .column = "备注", .kind = FieldKind::MultiLine},
                // A stored date that is empty or no date stays as it is unless one is chosen.
                {.objectName = "DTPicker1",
                 .label = "下 次 回 访 或 维 护 日 期 ：",
                 .column = "维护日期",
                 .rule = Untested,
                 .kind = FieldKind::Date,
                 .enterChain = false,
                 .writtenWhenEdited = true},
                {.objectName = "Text11", .label = "拼 音 码", .column = "拼音码", .rule = Required},
                {.objectName = "Text12", .label = "五 笔 码", .column = "五笔码", .rule = Required, .sameRow = true},
            },
        .caption = "会员客户记录（部分内容查看需管理员权限）",
        .viewCaption = "客户信息及消费记录",
        .nameField = "Text2",
        .pinyinField = "Text11",
        .wubiField = "Text12",
        .refuseSave = refuseTakenName,
    };
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
    if (mode == EditorMode::Add) {
        label->setText(QStringLiteral("初始积分"));
        MoneyBox::of(qobject_cast<QLineEdit*>(points))->setCaption(label->text());
    }
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
