#include "slipeditdialog.h"
#include "dialogrules.h"
#include "formparts.h"
#include "messagebox.h"
#include "outcomemessage.h"
#include "slipbook.h"
#include "slipedit.h"
#include "sliprecordsform.h"
#include "slipwrite.h"
#include "unloadform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using FormParts::button;
using FormParts::label;
using FormParts::named;

SlipEditDialog::SlipEditDialog(SlipEditDesign design, SlipRecordsForm& records)
    : QDialog(&records)
    , m_design(std::move(design))
    , m_records(records)
{
    setObjectName(m_design.formName);
    setWindowTitle(m_design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Tahoma"), font().pointSize()));
    buildControls();
    Form_Load();
    DialogRules::CenterForm(this);
    connect(this, &SlipEditDialog::slipChanged, &records, &SlipRecordsForm::refreshSlip);
    FormActivation::install(this, [this] {
        if (auto* box = findChild<QWidget*>(m_design.focusBox))
            box->setFocus(Qt::OtherFocusReason);
    });
}

void SlipEditDialog::buildControls()
{
    auto* grid = new QGridLayout;
    Text1 = FormParts::labelledBox(grid, 0, 0, QStringLiteral("Label6"), QStringLiteral("单据编号"), QStringLiteral("Text1"));
    Text1->setEnabled(m_design.numberEditable);
    QList<QWidget*> oneLine;
    QWidget* afterOneLine = nullptr;
    for (const SlipEditField& field : std::as_const(m_design.fields)) {
        const int row = int(m_boxes.size()) + 1;
        QWidget* box = nullptr;
        if (field.multiLine) {
            auto* lines = named(new QPlainTextEdit(this), field.box);
            lines->setTabChangesFocus(true);
            lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box = lines;
            grid->addWidget(label(this, field.labelName, field.label), row, 0, Qt::AlignTop);
            grid->addWidget(box, row, 1);
        } else {
            box = FormParts::labelledBox(grid, row, 0, field.labelName, field.label, field.box);
        }
        if (!afterOneLine && field.multiLine)
            afterOneLine = box;
        else if (!afterOneLine)
            oneLine << box;
        m_boxes << box;
    }
    // Enter steps on from each filled box, the last one-line box into the box of several lines.
    if (!oneLine.isEmpty())
        EnterToNext::install(
            oneLine,
            [afterOneLine] {
                if (afterOneLine)
                    afterOneLine->setFocus(Qt::OtherFocusReason);
            },
            EnterToNext::Mode::FromFilledBox);

    QPushButton* ComSave = button(this, QStringLiteral("ComSave"), QStringLiteral("保  存"));
    QPushButton* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("取  消 "));
    connect(ComSave, &QPushButton::clicked, this, &SlipEditDialog::ComSave_Click);
    FormParts::closeWith(this, ComRtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(FormParts::buttonRow({ComSave, ComRtn}));
}

QString SlipEditDialog::text(int field) const
{
    QWidget* box = m_boxes[field];
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        return lines->toPlainText();
    return static_cast<QLineEdit*>(box)->text();
}

void SlipEditDialog::setText(int field, const QString& text)
{
    QWidget* box = m_boxes[field];
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        lines->setPlainText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

void SlipEditDialog::Form_Load()
{
    const QString number = m_records.selectedNumber();
    if (number.isEmpty())
        return;
    QStringList columns;
    for (const SlipEditField& field : std::as_const(m_design.fields))
        columns << field.column;
    const SlipDesign& slip = m_records.slipDesign();
    auto read = Database::read(
        [&](DbSession& s) { return SlipBook::header(s, slip, number, columns.join(QStringLiteral(", "))); });
    if (!read) {
        MessageBox::show(this, read.error().text());
        return;
    }
    // A slip deleted meanwhile leaves the boxes empty.
    if (read->isEmpty())
        return;
    sOldNo = number;
    Text1->setText(number);
    for (int f = 0; f < m_boxes.size(); ++f)
        setText(f, read->text(0, m_design.fields[f].column));
}

SlipEdit SlipEditDialog::edit() const
{
    SlipEdit values;
    values.number = Text1->text();
    for (int f = 0; f < m_boxes.size(); ++f) {
        switch (m_design.fields[f].part) {
        case SlipEditPart::Partner:
            values.partner = text(f);
            break;
        case SlipEditPart::Salesman:
            values.salesman = text(f);
            break;
        case SlipEditPart::Introducer:
            values.introducer = text(f);
            break;
        case SlipEditPart::Remark:
            values.remark = text(f);
            break;
        }
    }
    return values;
}

void SlipEditDialog::ComSave_Click()
{
    if (Text1->text().isEmpty()) {
        MessageBox::show(this, QStringLiteral("请输入编号。"), MessageBox::NoticeTitle);
        Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (int f = 0; f < m_boxes.size(); ++f) {
        if (text(f).isEmpty())
            setText(f, QStringLiteral("-"));
    }
    const SlipEdit values = edit();
    const SlipOutcome outcome = writeSlip([&](DbSession& s) { return EditSlip(s, m_records.slipDesign(), sOldNo, values); });
    if (!showOutcome(this, outcome, AnswerTitle::Notice))
        return;
    MessageBox::show(this, QStringLiteral("修改成功。"), MessageBox::NoticeTitle);
    emit slipChanged(sOldNo, values.number);
    Module2::UnloadForm(this);
}
