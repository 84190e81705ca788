#include "sliprecordsform.h"
#include "appstate.h"
#include "clock.h"
#include "dialogrules.h"
#include "exporttoexcel.h"
#include "formparts.h"
#include "formregistry.h"
#include "inputdialog.h"
#include "keypreview.h"
#include "listexport.h"
#include "messagebox.h"
#include "module2.h"
#include "outcomemessage.h"
#include "recordgrid.h"
#include "slipbook.h"
#include "slipdelete.h"
#include "sliprecords.h"
#include "slipwrite.h"
#include "unloadform.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
const QString Queried = QStringLiteral("所查询单据：");

// A day a number of days before another, as the records store days: a
// fraction of a day reaches back to the day it falls on.
QString daysBefore(const QDate& day, double days)
{
    constexpr double Limit = 3650000; // ten thousand years
    return SlipBook::dateText(day.addDays(-qint64(std::ceil(std::clamp(days, -Limit, Limit)))));
}
}

SlipRecordsForm::SlipRecordsForm(SlipRecordsDesign design, QWidget* parent)
    : QWidget(parent)
    , m_design(std::move(design))
{
    setObjectName(m_design.formName);
    setWindowTitle(m_design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    KeyPreview::install(this, {{Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    // Enter on a focused button presses it.
    DialogKeyFilter::install(this);
    Form_Load();
}

void SlipRecordsForm::buildControls()
{
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("以下为所查询的单据(双击记录可以修改)"));
    ListView1 = named(new RecordGrid(m_design.slipColumns, this), QStringLiteral("ListView1"));
    ListView2 = named(new RecordGrid(m_design.lineColumns, this), QStringLiteral("ListView2"));
    // The designed twips of a slip's columns pass a 1024-pixel screen: each
    // column takes what its header and the listed rows need, and the window
    // opens as wide as that.
    for (RecordGrid* list : {ListView1, ListView2})
        list->fitEachFill();
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SlipRecordsForm::ListView1_ItemClick);
    connect(ListView1, &QAbstractItemView::clicked, this, &SlipRecordsForm::ListView1_ItemClick);
    connect(ListView1, &QAbstractItemView::doubleClicked, this, &SlipRecordsForm::ListView1_DblClick);

    TextSum1 = FormParts::figureBox(this, QStringLiteral("TextSum1"), QStringLiteral("0.00"));
    TextSum2 = FormParts::figureBox(this, QStringLiteral("TextSum2"), QStringLiteral("0.00"));
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(label(this, {}, m_design.totals[0].label));
    totals->addWidget(TextSum1);
    totals->addWidget(label(this, {}, m_design.totals[1].label));
    totals->addWidget(TextSum2);

    DTPicker1 = FormParts::datePicker(this, QStringLiteral("DTPicker1"));
    DTPicker2 = FormParts::datePicker(this, QStringLiteral("DTPicker2"));
    auto* queries = new QHBoxLayout;
    queries->addWidget(label(this, {}, QStringLiteral("日期")));
    queries->addWidget(DTPicker1);
    queries->addWidget(label(this, {}, QStringLiteral("至")));
    queries->addWidget(DTPicker2);
    for (const RecordsQuery& query : std::as_const(m_design.queries)) {
        QPushButton* b = button(this, query.button, query.caption);
        connect(b, &QPushButton::clicked, this, [this, query] { askQuery(query); });
        queries->addWidget(b);
    }
    if (!m_design.agedBefore.isEmpty()) {
        Text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
        Text1->setMaximumWidth(FormParts::pixels(900));
        EnterToNext::install({Text1}, [this] { ComF10_Click(); });
        QPushButton* ComF10 = button(this, QStringLiteral("ComF10"), QStringLiteral("查  询"));
        connect(ComF10, &QPushButton::clicked, this, &SlipRecordsForm::ComF10_Click);
        queries->addSpacing(FormParts::pixels(240));
        queries->addWidget(label(this, {}, m_design.agedBefore));
        queries->addWidget(Text1);
        queries->addWidget(label(this, {}, m_design.agedAfter));
        queries->addWidget(ComF10);
    }
    queries->addStretch();

    m_actions = new QHBoxLayout;
    m_actions->addStretch();
    if (!m_design.paymentCaption.isEmpty())
        connect(addButton(QStringLiteral("ComF9"), m_design.paymentCaption), &QPushButton::clicked, this,
                &SlipRecordsForm::ComF9_Click);
    if (m_design.deletion) {
        ComDel = addButton(QStringLiteral("ComDel"), QStringLiteral("删除选中项"));
        connect(ComDel, &QPushButton::clicked, this, &SlipRecordsForm::ComDel_Click);
    }
    if (m_design.exportTo)
        connect(addButton(QStringLiteral("ComExcel"), QStringLiteral("导出到Excel")), &QPushButton::clicked, this,
                &SlipRecordsForm::ComExcel_Click);
    connect(addButton(QStringLiteral("ComRtn"), QStringLiteral("关闭 ESC")), &QPushButton::clicked, this,
            &SlipRecordsForm::ComRtn_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label7);
    layout->addWidget(ListView1, 3);
    layout->addLayout(totals);
    layout->addWidget(label(this, QStringLiteral("Label8"), QStringLiteral("当前单据详细商品清单")));
    layout->addWidget(ListView2, 2);
    layout->addLayout(queries);
    layout->addLayout(m_actions);
}

QPushButton* SlipRecordsForm::addButton(const QString& name, const QString& caption)
{
    QPushButton* b = button(this, name, caption);
    // Closing stays the last.
    const int closing = m_actions->indexOf(findChild<QPushButton*>(QStringLiteral("ComRtn")));
    m_actions->insertWidget(closing < 0 ? m_actions->count() : closing, b);
    return b;
}

void SlipRecordsForm::Form_Load()
{
    const QDate today = Clock::now().date();
    DTPicker1->setDate(today);
    DTPicker2->setDate(today);
    Label7->setText(m_design.todayLabel);
    // Today's slips, narrowed by the last query as it was left where the window keeps it.
    if (!m_design.keepsQuery)
        condition() = {};
    RunQuery(SlipBook::dateText(today));
    if (ComDel)
        ComDel->setEnabled(!m_design.deletion->administratorOnly || appState().isAdministrator());
}

QStringList SlipRecordsForm::listedColumns() const
{
    QStringList columns;
    for (const ListColumn& column : std::as_const(m_design.slipColumns))
        columns << column.column;
    for (const RecordsTotal& total : m_design.totals) {
        if (!columns.contains(total.column))
            columns << total.column;
    }
    return columns;
}

RecordsCondition& SlipRecordsForm::condition() const
{
    return appState().recordsConditions[m_design.formName + QLatin1Char('/') + slipDesign().category];
}

void SlipRecordsForm::RunQuery(const QString& onDate)
{
    ListView1->clear();
    ListView2->clear();
    m_linesOf.clear();
    m_figures.clear();
    m_sums = {};
    auto read = Database::read(
        [&](DbSession& s) { return SlipRecords::headers(s, slipDesign(), listedColumns(), condition(), onDate); });
    if (read) {
        m_figures = figuresOf(*read);
        for (const Figures& figures : std::as_const(m_figures)) {
            for (int t = 0; t < 2; ++t)
                m_sums[t] += figures[t];
        }
        ListView1->fill(std::move(*read));
    }
    showTotals();
    if (!read)
        MessageBox::show(this, read.error().text());
}

QList<SlipRecordsForm::Figures> SlipRecordsForm::figuresOf(const Rows& read) const
{
    // A column found by its name once, not once a row: a year holds tens of thousands of slips.
    const int first = read.columnIndex(m_design.totals[0].column);
    const int second = read.columnIndex(m_design.totals[1].column);
    QList<Figures> figures;
    figures.reserve(read.count());
    for (int row = 0; row < read.count(); ++row)
        figures.append({Amount::fromValue(read.value(row, first)), Amount::fromValue(read.value(row, second))});
    return figures;
}

void SlipRecordsForm::showTotals()
{
    TextSum1->setText(m_sums[0].toMoneyText());
    TextSum2->setText(m_sums[1].toMoneyText());
}

void SlipRecordsForm::askQuery(const RecordsQuery& query)
{
    runQuery(query, InputDialog::askText(this, m_design.inputDialog, QStringLiteral("查询条件"), query.prompt));
}

void SlipRecordsForm::runQuery(const RecordsQuery& query, const QString& text)
{
    Label7->setText(Queried);
    RecordsCondition asked{.column = query.column, .text = text};
    if (query.scope == RecordsQuery::Scope::Dates) {
        asked.fromDate = SlipBook::dateText(DTPicker1->date());
        asked.toDate = SlipBook::dateText(DTPicker2->date());
    } else {
        asked.openBalance = true;
    }
    condition() = asked;
    RunQuery();
}

void SlipRecordsForm::ComF10_Click()
{
    Label7->setText(Queried);
    condition() = {.upToDate = daysBefore(Clock::now().date(), Module2::Val(Text1->text())), .openBalance = true};
    RunQuery();
}

QString SlipRecordsForm::selectedNumber() const
{
    const int row = ListView1->selectedRow();
    return row < 0 ? QString() : numberAt(row);
}

QString SlipRecordsForm::numberAt(int row) const
{
    return ListView1->records()->index(row, 0).data(RecordTableModel::RawValueRole).toString();
}

int SlipRecordsForm::rowOf(const QString& number) const
{
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        if (numberAt(row) == number)
            return row;
    }
    return -1;
}

void SlipRecordsForm::ListView1_ItemClick()
{
    const QString number = selectedNumber();
    if (number.isEmpty() || m_choosingQuietly || number == m_linesOf)
        return;
    setWindowTitle(m_design.currentCaption + number.trimmed());
    ListView2->clear();
    auto read = Database::read([&](DbSession& s) { return SlipRecords::lines(s, slipDesign(), number); });
    if (!read) {
        m_linesOf.clear();
        MessageBox::show(this, read.error().text());
        return;
    }
    ListView2->fill(std::move(*read));
    m_linesOf = number;
}

void SlipRecordsForm::ListView1_DblClick()
{
    if (m_design.editDialog.isEmpty())
        return;
    if (!appState().isAdministrator()) {
        MessageBox::show(this, QStringLiteral("<管理员>账户才有权限修改!"));
        return;
    }
    FormRegistry::showOnce(m_design.editDialog, [this] { return m_design.createEditDialog(*this); });
}

void SlipRecordsForm::ComF9_Click() { m_design.openPayment(*this); }

void SlipRecordsForm::ComDel_Click()
{
    const int row = ListView1->selectedRow();
    if (row < 0)
        return;
    const QString number = numberAt(row);
    if (MessageBox::show(this, m_design.deletion->question.arg(number.trimmed()), {}, QMessageBox::NoIcon,
                         QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes) {
        chooseFirstAfterDeletion();
        return;
    }
    const SlipOutcome outcome = writeSlip([&](DbSession& s) { return DeleteSlipWithRollback(s, slipDesign(), number); });
    if (!showOutcome(this, outcome, AnswerTitle::Program))
        return;
    // The totals stay as they were until the next query.
    ListView1->selectionModel()->clear();
    ListView1->records()->removeRow(row);
    m_figures.removeAt(row);
    ListView2->clear();
    m_linesOf.clear();
    chooseFirstAfterDeletion();
}

void SlipRecordsForm::chooseFirstAfterDeletion()
{
    if (!m_design.deletion->selectsFirstAfter || ListView1->rowCount() == 0)
        return;
    m_choosingQuietly = true;
    ListView1->selectRow(0);
    m_choosingQuietly = false;
}

void SlipRecordsForm::ComExcel_Click()
{
    // Every failure passes silently, as the list's export always did.
    ExportToExcel(ShownListExport(m_design.exportTo->templateName, *ListView1->records()));
}

void SlipRecordsForm::refreshSlip(const QString& number, const QString& renumberedTo)
{
    const int row = rowOf(number);
    if (row < 0)
        return;
    const QString stored = renumberedTo.isEmpty() ? number : renumberedTo;
    auto read = Database::read([&](DbSession& s) { return SlipRecords::header(s, slipDesign(), listedColumns(), stored); });
    if (!read) {
        MessageBox::show(this, read.error().text());
        return;
    }
    if (read->isEmpty())
        return;
    ListView1->refillRow(row, *read);
    // The totals move by what the slip's own figures moved.
    const Figures now = figuresOf(*read).first();
    for (int t = 0; t < 2; ++t)
        m_sums[t] += now[t] - m_figures[row][t];
    m_figures[row] = now;
    showTotals();
    if (m_linesOf == number)
        m_linesOf = numberAt(row);
}

void SlipRecordsForm::ComRtn_Click() { Module2::UnloadForm(this); }

void SlipRecordsForm::closeEvent(QCloseEvent* event)
{
    // Form_Unload: the next form opened is an ordinary one unless the main window says otherwise.
    appState().slipMode.clear();
    QWidget::closeEvent(event);
}
