#include "mastereditor.h"
#include "clock.h"
#include "dialogrules.h"
#include "formparts.h"
#include "messagebox.h"
#include "module2.h"
#include "moneybox.h"
#include "searchcodes.h"
#include "unloadform.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {
// The field's name in messages: its label without blanks and colon.
QString fieldName(const EditorField& field) { return QString(field.label).remove(QLatin1Char(' ')).remove(QStringLiteral("：")); }

QWidget* makeBox(const EditorField& field, QWidget* parent)
{
    QWidget* box = nullptr;
    switch (field.kind) {
    case FieldKind::Line:
        box = new QLineEdit(parent);
        break;
    case FieldKind::Money: {
        auto* line = new QLineEdit(parent);
        line->setAlignment(Qt::AlignRight);
        // Entering selects the whole "0.00", so what is typed replaces it.
        MoneyBox::install(line, {.caption = fieldName(field), .select = MoneyBox::Select::All});
        box = line;
        break;
    }
    case FieldKind::MultiLine: {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 2 * edit->frameWidth() + 8);
        box = edit;
        break;
    }
    case FieldKind::Date:
        box = FormParts::datePicker(parent, field.objectName);
        break;
    case FieldKind::Whole: {
        auto* line = new QLineEdit(parent);
        MoneyBox::install(line,
                          {.caption = fieldName(field), .shape = MoneyBox::Shape::Whole, .select = MoneyBox::Select::Nothing});
        box = line;
        break;
    }
    case FieldKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // a typed name is kept as typed, never completed
        combo->addItems(field.items);
        box = combo;
        break;
    }
    }
    box->setObjectName(field.objectName);
    return box;
}

// How a stored value shows in a box of the kind.
CellFormat shownFormat(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Money:
        return CellFormat::Money;
    case FieldKind::Whole:
        return CellFormat::Whole;
    default:
        return CellFormat::Number;
    }
}

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(box))
        return edit->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    if (const auto* date = qobject_cast<const QDateEdit*>(box))
        return date->date().toString(QStringLiteral("yyyy-MM-dd"));
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
    else if (auto* date = qobject_cast<QDateEdit*>(box)) {
        // A text that is no date leaves the picker where it stands.
        for (const char* format : {"yyyy-MM-dd", "yyyy-M-d", "yyyy/M/d"}) {
            const QDate read = QDate::fromString(text.trimmed(), QString::fromLatin1(format));
            if (read.isValid()) {
                date->setDate(read);
                break;
            }
        }
    }
}
}

MasterEditor::MasterEditor(EditorDesign design, MasterListPanel& list, EditorMode mode, QWidget* parent)
    : QDialog(parent)
    , m_design(std::move(design))
    , m_list(list)
    , m_mode(mode)
    , m_stored(m_design.fields.size())
{
    // Each box writes the list column that shows its table column.
    const QList<ListColumn>& columns = list.design().columns;
    for (const EditorField& field : std::as_const(m_design.fields)) {
        const auto shown = std::find_if(columns.begin(), columns.end(),
                                        [&field](const ListColumn& c) { return c.column == field.column; });
        m_listColumns << (shown == columns.end() ? -1 : int(shown - columns.begin()));
    }
    setModal(true);
    setWindowTitle(mode == EditorMode::View && !m_design.viewCaption.isEmpty() ? m_design.viewCaption : m_design.caption);
    buildControls();
    load();
    DialogRules::CenterForm(this);
}

void MasterEditor::buildControls()
{
    m_parts = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    m_parts->addLayout(layout);
    auto* grid = new QGridLayout;
    QHBoxLayout* line = nullptr;
    int row = -1;
    for (const EditorField& field : std::as_const(m_design.fields)) {
        QWidget* box = makeBox(field, this);
        auto* label = new QLabel(field.label, this);
        label->setObjectName(field.labelName);
        if (!field.sameRow || !line) {
            line = new QHBoxLayout;
            grid->addWidget(label, ++row, 0);
            // Hints stand in a column of their own, so the boxes they follow
            // are of one width.
            const bool hinted = !field.hint.isEmpty();
            grid->addLayout(line, row, 1, 1, hinted ? 1 : 2);
            if (hinted)
                grid->addWidget(new QLabel(field.hint, this), row, 2);
        } else {
            line->addWidget(label);
        }
        line->addWidget(box, 1);
        m_boxes << box;
        if (field.writtenWhenEdited)
            watchEdits(int(m_boxes.size()) - 1);
    }
    layout->addLayout(grid);

    // The number is given by the program and never typed.
    if (QWidget* number = m_boxes.value(0)) {
        number->setEnabled(false);
        QPalette face = number->palette();
        face.setColor(QPalette::Disabled, QPalette::Base, face.color(QPalette::Button));
        number->setPalette(face);
    }

    auto* buttons = new QHBoxLayout;
    m_save = FormParts::button(this, QStringLiteral("ComSave"), QStringLiteral("保存(&S)"));
    m_cancel = FormParts::button(this, QStringLiteral("ComRtn"), QStringLiteral("取消(&C)"));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &MasterEditor::ComSave_Click);
    connect(m_cancel, &QPushButton::clicked, this, &MasterEditor::ComRtn_Click);
    if (m_mode == EditorMode::View) {
        m_save->hide();
        m_cancel->setText(QStringLiteral("关   闭 （C）"));
        m_cancel->setMinimumWidth(FormParts::pixels(2700));
    }

    QList<QWidget*> chain;
    for (int i = 1; i < m_design.fields.size(); ++i) {
        if (m_design.fields[i].enterChain)
            chain << m_boxes[i];
    }
    EnterToNext::install(
        chain,
        [this] {
            if (m_save->isVisible())
                m_save->setFocus(Qt::OtherFocusReason);
        },
        EnterToNext::Mode::FromFilledBox);
    DialogKeyFilter::install(this);
    // Form_Activate: each activation puts the focus in the name box.
    FormActivation::install(this, [this] {
        if (QWidget* start = firstBox())
            start->setFocus(Qt::OtherFocusReason);
    });

    // Another window taking the activation leaves the codes alone.
    if (QWidget* name = box(m_design.nameField))
        m_nameLeft.emplace(name, [this] { fillSearchCodes(); });
}

void MasterEditor::fillItemLists()
{
    QList<int> listed; // the fields whose items a statement gives
    for (int i = 0; i < m_design.fields.size(); ++i) {
        if (m_design.fields[i].kind == FieldKind::Combo && !m_design.fields[i].itemsFrom.isEmpty())
            listed << i;
    }
    if (listed.isEmpty())
        return;
    QList<QStringList> items;
    const DbStatus status = Database::read([&](DbSession& s) -> DbStatus {
        for (int i : std::as_const(listed)) {
            auto names = ReadNames(s, m_design.fields[i].itemsFrom);
            if (!names)
                return names.error();
            items << *names;
        }
        return {};
    });
    for (int n = 0; n < items.size(); ++n)
        qobject_cast<QComboBox*>(m_boxes[listed[n]])->addItems(items[n]);
    if (!status)
        MessageBox::show(this, status.error().text());
}

void MasterEditor::load()
{
    fillItemLists();
    for (int i = 0; i < m_design.fields.size(); ++i) {
        const EditorField& field = m_design.fields[i];
        QString initial = field.initialText;
        if (initial.isEmpty() && field.kind == FieldKind::Money)
            initial = QStringLiteral("0.00");
        else if (initial.isEmpty() && field.kind == FieldKind::Whole)
            initial = QStringLiteral("0");
        else if (initial.isEmpty() && field.kind == FieldKind::Date)
            initial = Clock::now().date().toString(QStringLiteral("yyyy-MM-dd"));
        assign(m_boxes[i], initial);
    }
    if (m_mode == EditorMode::Add) {
        const auto number = Database::read([this](DbSession& s) { return NextRecordNumber(s, m_design.number); });
        if (number)
            assign(m_boxes.value(0), *number);
        else
            MessageBox::show(this, number.error().text());
        return;
    }
    const int row = m_list.selectedRow();
    if (row < 0)
        return;
    // The record as the table holds it, found by its number: the list shows
    // trimmed and rounded texts.
    const RecordTableModel* model = m_list.model();
    const QVariant number = m_list.storedNumber(row);
    const auto read = Database::read(
        [&](DbSession& s) { return ReadMasterRecord(s, m_design.number.table, m_design.number.column, number); });
    if (!read) {
        MessageBox::show(this, read.error().text());
        return;
    }
    // A record deleted meanwhile loads as no selection does.
    if (read->isEmpty())
        return;
    for (int i = 0; i < m_design.fields.size(); ++i) {
        const EditorField& field = m_design.fields[i];
        m_stored[i] = read->value(0, field.column);
        assign(m_boxes[i], formatCell(m_stored[i], shownFormat(field.kind)));
    }
    m_listRow = model->index(row, 0);
    m_oldNumber = read->text(0, m_design.number.column);
}

bool MasterEditor::isWritten(int field) const
{
    return !(m_design.fields[field].writtenWhenEdited && m_mode == EditorMode::Modify && !m_edited.contains(m_boxes[field]));
}

QWidget* MasterEditor::firstBox() const
{
    for (int i = 0; i < m_design.fields.size(); ++i) {
        if (m_design.fields[i].enterChain && m_boxes[i]->isEnabled())
            return m_boxes[i];
    }
    return nullptr;
}

void MasterEditor::addSidePart(QWidget* part)
{
    m_parts->addWidget(part, 1);
    // Sized now, a window is not cut to two thirds of the screen when shown:
    // the record keeps its room beside the part.
    resize(sizeHint());
}

QWidget* MasterEditor::box(const QString& objectName) const
{
    if (objectName.isEmpty())
        return nullptr;
    for (int i = 0; i < m_design.fields.size(); ++i) {
        if (m_design.fields[i].objectName == objectName)
            return m_boxes[i];
    }
    return nullptr;
}

QString MasterEditor::text(const QString& objectName) const { return boxText(box(objectName)); }

void MasterEditor::setText(const QString& objectName, const QString& text)
{
    if (QWidget* target = box(objectName))
        assign(target, text);
}

// What the program writes into a box is no edit of the user's.
void MasterEditor::assign(QWidget* box, const QString& text)
{
    const bool wasAssigning = std::exchange(m_assigning, true);
    setBoxText(box, text);
    m_assigning = wasAssigning;
}

void MasterEditor::watchEdits(int field)
{
    QWidget* watched = m_boxes[field];
    auto edited = [this, watched] {
        if (!m_assigning)
            m_edited.insert(watched);
    };
    if (auto* line = qobject_cast<QLineEdit*>(watched))
        connect(line, &QLineEdit::textChanged, this, edited);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(watched))
        connect(edit, &QPlainTextEdit::textChanged, this, edited);
    else if (auto* combo = qobject_cast<QComboBox*>(watched))
        connect(combo, &QComboBox::currentTextChanged, this, edited);
    else if (auto* date = qobject_cast<QDateEdit*>(watched))
        connect(date, &QDateEdit::dateChanged, this, edited);
}

MasterRecord MasterEditor::record() const
{
    MasterRecord record{m_design.number.table, m_design.number.column, {}, m_oldNumber};
    for (int i = 0; i < m_design.fields.size(); ++i) {
        const EditorField& field = m_design.fields[i];
        if (!isWritten(i))
            continue;
        const QString text = boxText(m_boxes[i]);
        QVariant value = text;
        if (field.kind == FieldKind::Money)
            value = QLocale::c().toDouble(Module2::FormatMoney(text));
        else if (field.kind == FieldKind::Whole)
            value = QLocale::c().toDouble(Module2::FormatInt(text));
        record.values.append({field.column, value});
    }
    return record;
}

void MasterEditor::fillSearchCodes()
{
    const QString name = text(m_design.nameField);
    const auto codes = Database::read([&name](DbSession& s) { return MakeSearchCodes(s, name); });
    if (!codes) {
        MessageBox::show(this, codes.error().text());
        return;
    }
    setText(m_design.pinyinField, codes->pinyin);
    setText(m_design.wubiField, codes->wubi);
}

void MasterEditor::ComSave_Click()
{
    if (m_mode == EditorMode::View)
        return;
    // A figure past its limit is saved by no path: a click on the save button
    // leaves its box first, and is told once.
    QList<MoneyBox*> figures;
    for (int i = 0; i < m_design.fields.size(); ++i) {
        auto* figure = qobject_cast<QLineEdit*>(m_boxes[i]);
        MoneyBox* money = figure ? MoneyBox::of(figure) : nullptr;
        if (!money || !figure->isEnabled() || !isWritten(i))
            continue;
        if (money->refuses())
            return;
        figures << money;
    }
    // What is saved is what each box shows once left (points typed 12.6 are 13),
    // also when the save comes from a key that leaves no box.
    for (MoneyBox* money : figures)
        money->leave();
    for (int i = 0; i < m_design.fields.size(); ++i) {
        const EditorField& field = m_design.fields[i];
        if (field.rule == FieldRule::Untested || !boxText(m_boxes[i]).isEmpty())
            continue;
        if (field.rule == FieldRule::Optional) {
            assign(m_boxes[i], QStringLiteral("-"));
            continue;
        }
        MessageBox::show(this, QStringLiteral("请输入") + QString(field.label).remove(QLatin1Char(' ')) + QStringLiteral("。"),
                         MessageBox::NoticeTitle);
        if (m_boxes[i]->isEnabled())
            m_boxes[i]->setFocus(Qt::OtherFocusReason);
        return;
    }

    const MasterRecord saved = record();
    std::optional<Refusal> refusal;
    const DbStatus status = Database::runInTransaction([&](DbSession& session) -> DbStatus {
        if (m_design.refuseSave) {
            auto refused = m_design.refuseSave(session, saved, m_mode);
            if (!refused)
                return refused.error();
            if ((refusal = *refused))
                return {};
        }
        if (DbStatus written = WriteMasterRecord(session, saved, m_mode == EditorMode::Add); !written)
            return written;
        return m_design.alsoWrite ? m_design.alsoWrite(session, saved, m_mode) : DbStatus();
    });
    if (!status) {
        MessageBox::show(this, status.error().text() + QLatin1Char('\n'));
        return;
    }
    if (refusal) {
        MessageBox::show(this, refusal->text, refusal->title);
        if (QWidget* target = box(refusal->focusField))
            target->setFocus(Qt::OtherFocusReason);
        return;
    }
    writeListRow();
    MessageBox::show(this, m_mode == EditorMode::Add ? QStringLiteral("新增成功。") : QStringLiteral("修改成功。"),
                     MessageBox::NoticeTitle);
    accept();
}

void MasterEditor::writeListRow()
{
    RecordTableModel* model = m_list.model();
    const bool adding = m_mode == EditorMode::Add;
    if (!adding && !m_listRow.isValid())
        return;
    QVariantList row = adding ? QVariantList(model->columnCount()) : model->rawRow(m_listRow.row());
    for (int i = 0; i < m_design.fields.size(); ++i) {
        const int column = m_listColumns[i];
        // A value left unwritten shows as it is stored.
        if (column >= 0 && column < row.size())
            row[column] = isWritten(i) ? QVariant(boxText(m_boxes[i])) : m_stored[i];
    }
    if (adding)
        model->appendRow(row);
    else
        model->setRow(m_listRow.row(), row);
}

void MasterEditor::ComRtn_Click() { Module2::UnloadForm(this); }
