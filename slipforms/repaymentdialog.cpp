#include "repaymentdialog.h"
#include "appstate.h"
#include "clock.h"
#include "decimaltext.h"
#include "dialogrules.h"
#include "formparts.h"
#include "keypreview.h"
#include "messagebox.h"
#include "module2.h"
#include "moneybox.h"
#include "outcomemessage.h"
#include "recordgrid.h"
#include "slipbook.h"
#include "slippayment.h"
#include "sliprecords.h"
#include "sliprecordsform.h"
#include "slipwrite.h"
#include "unloadform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
const QString ZeroMoney = QStringLiteral("0.00");
const QString Owed = QStringLiteral("尚欠金额");
const QString Paid = QStringLiteral("还款金额");

QList<ListColumn> historyColumns()
{
    return {ListColumn{.header = QStringLiteral("单据编号"), .column = QStringLiteral("单号"), .widthTwips = 1500},
            ListColumn{.header = QStringLiteral("还款金额"),
                       .column = Paid,
                       .widthTwips = 1400,
                       .alignment = Qt::AlignRight,
                       .format = CellFormat::Money},
            ListColumn{.header = QStringLiteral("操作员"), .column = QStringLiteral("操作员"), .widthTwips = 1200},
            ListColumn{.header = QStringLiteral("日期"), .column = QStringLiteral("日期"), .widthTwips = 1400},
            ListColumn{.header = QStringLiteral("时间"), .column = QStringLiteral("时间"), .widthTwips = 1200}};
}

// The slip as stored (its paid, owed and partner columns) and its payments.
struct PaidSlip {
    Rows header;
    Rows history;
};
}

RepaymentDialog::RepaymentDialog(RepaymentDesign design, SlipRecordsForm& records)
    : QDialog(&records)
    , m_design(std::move(design))
    , m_records(records)
{
    setObjectName(m_design.formName);
    setWindowTitle(m_design.caption);
    buildControls();
    KeyPreview::install(this, {{Qt::Key_Return, [this] { ComOK_Click(); }},
                               {Qt::Key_Enter, [this] { ComOK_Click(); }},
                               {Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    Form_Load();
    DialogRules::CenterForm(this);
    connect(this, &RepaymentDialog::slipChanged, &records, [&records](const QString& number) { records.refreshSlip(number); });
}

void RepaymentDialog::buildControls()
{
    auto* frame = named(new QGroupBox(m_design.frameCaption, this), QStringLiteral("Frame1"));
    auto* boxes = new QGridLayout(frame);
    Text1 = FormParts::labelledBox(boxes, 0, 0, QStringLiteral("Label5"), m_design.partnerLabel, QStringLiteral("Text1"));
    Text2 = FormParts::labelledBox(boxes, 1, 0, QStringLiteral("Label1"), QStringLiteral("[目前欠款金额]"),
                                   FormParts::figureBox(frame, QStringLiteral("Text2"), ZeroMoney));
    Text3 = FormParts::labelledBox(boxes, 2, 0, QStringLiteral("Label2"), QStringLiteral("[现在还款金额]"),
                                   QStringLiteral("Text3"));

    Text4 = FormParts::labelledBox(boxes, 3, 0, QStringLiteral("Label3"), QStringLiteral("[尚欠]"),
                                   FormParts::figureBox(frame, QStringLiteral("Text4"), ZeroMoney));
    Text1->setReadOnly(true);
    Text4->setEnabled(false);
    Text3->setText(ZeroMoney);
    Text3->setAlignment(Qt::AlignRight);
    connect(Text3, &QLineEdit::textChanged, this, &RepaymentDialog::Text3_Change);
    // Leaving the amount shows it as "0.00", unless it is past the books'
    // limit (a payment); another window taking the focus leaves it as typed.
    MoneyBox::install(Text3, {.caption = QStringLiteral("现在还款金额"),
                              .limit = Amount::bookLimit(),
                              .readDecimals = 2,
                              .select = MoneyBox::Select::Nothing});

    ComOK = button(this, QStringLiteral("ComOK"), m_design.confirmCaption);
    QPushButton* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("关闭 ESC"));
    connect(ComOK, &QPushButton::clicked, this, &RepaymentDialog::ComOK_Click);
    connect(ComRtn, &QPushButton::clicked, this, &RepaymentDialog::ComRtn_Click);

    ListView1 = named(new RecordGrid(historyColumns(), this), QStringLiteral("ListView1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(FormParts::buttonRow({ComOK, ComRtn}));
    layout->addWidget(label(this, QStringLiteral("Label8"), m_design.historyLabel));
    layout->addWidget(ListView1, 1);
    // The amount is typed first.
    setTabOrder(Text3, ComOK);
    Text3->setFocus();
}

void RepaymentDialog::Form_Load()
{
    const QString number = m_records.selectedNumber();
    if (!number.isEmpty()) {
        const SlipDesign& slip = m_records.slipDesign();
        const QString columns = QStringList{Paid, Owed, m_design.partnerColumn}.join(QStringLiteral(", "));
        auto read = Database::read([&](DbSession& s) -> DbResult<PaidSlip> {
            auto header = SlipBook::header(s, slip, number, columns);
            if (!header)
                return header.error();
            auto history = SlipRecords::payments(s, slip, number);
            if (!history)
                return history.error();
            return PaidSlip{std::move(*header), std::move(*history)};
        });
        if (!read) {
            MessageBox::show(this, read.error().text());
        } else if (!read->header.isEmpty()) {
            sSlipNo = number;
            Text1->setText(read->header.text(0, m_design.partnerColumn).trimmed());
            Text2->setText(Amount::fromValue(read->header.value(0, Owed)).toMoneyText());
            ListView1->fill(std::move(read->history));
        }
    }
    // Nothing open to pay, or no slip at all.
    if (Text2->text() == ZeroMoney) {
        Text3->setEnabled(false);
        ComOK->setEnabled(false);
    }
}

void RepaymentDialog::Text3_Change()
{
    Text4->setText((Amount::fromText(Text3->text()) + Amount::fromText(Text2->text())).toPlainText());
}

void RepaymentDialog::ComOK_Click()
{
    const QString typed = Text3->text();
    DecimalNumber number;
    // The amount is read once at the cent: a text that is no number, or one
    // below half a cent, would be "0.00" once the box is left.
    const std::optional<Amount> amount = MoneyBox::of(Text3)->value();
    if (typed == ZeroMoney || !DecimalText::readWholeNumber(typed, number) || (amount && amount->isZero())) {
        MessageBox::show(this, QStringLiteral("请输入还款金额。"), MessageBox::NoticeTitle);
        return;
    }
    // Enter pays from the box before it is left.
    if (MoneyBox::of(Text3)->refuses())
        return;
    if (MessageBox::show(this, QStringLiteral("确认要还款吗？"), MessageBox::NoticeTitle, QMessageBox::Question,
                         QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    const QString operatorName = appState().currentOperator;
    const QDateTime when = Clock::now();
    const SlipOutcome outcome = writeSlip(
        [&](DbSession& s) { return PaySlip(s, m_records.slipDesign(), sSlipNo, *amount, operatorName, when); });
    if (!showOutcome(this, outcome, AnswerTitle::Notice))
        return;
    ListView1->records()->appendRow(
        {sSlipNo, amount->toDouble(), operatorName, SlipBook::dateText(when.date()), SlipBook::timeText(when.time())});
    Text2->setText(outcome.balance.owed.toMoneyText());
    Text3->setText(ZeroMoney);
    emit slipChanged(sSlipNo);
}

void RepaymentDialog::ComRtn_Click() { Module2::UnloadForm(this); }
