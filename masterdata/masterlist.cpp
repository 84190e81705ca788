#include "masterlist.h"
#include "masterrecord.h"
#include "appstate.h"
#include "dbsession.h"
#include "formparts.h"
#include "mdlini.h"
#include "messagebox.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
bool readBoolean(const QString& text, bool* value)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        *value = true;
    else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        *value = false;
    else
        return false;
    return true;
}
}

MasterListPanel::MasterListPanel(ListDesign design, QWidget* parent)
    : QWidget(parent)
    , m_design(std::move(design))
{
    if (m_design.select.isEmpty())
        m_design.select = QStringLiteral("select * from \"%1\"").arg(m_design.table);
    buildControls();
    restoreFilterOption();
    if (m_design.fillOnOpen)
        fillWhere();
}

void MasterListPanel::buildControls()
{
    const ListNames& names = m_design.names;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* buttonFrame = new QWidget(this);
    buttonFrame->setObjectName(names.buttonFrame);
    auto* buttons = new QHBoxLayout(buttonFrame);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* add = FormParts::button(buttonFrame, names.add, QStringLiteral("新 增"));
    auto* modify = FormParts::button(buttonFrame, names.modify, QStringLiteral("修 改"));
    auto* remove = FormParts::button(buttonFrame, names.remove, QStringLiteral("删 除"));
    auto* back = FormParts::button(buttonFrame, names.back, QStringLiteral("返 回"));
    buttons->addWidget(add);
    buttons->addWidget(names.deleteBeforeModify ? remove : modify);
    buttons->addWidget(names.deleteBeforeModify ? modify : remove);
    buttons->addWidget(back);
    buttons->addStretch();
    remove->setEnabled(!m_design.deleteForAdministratorOnly || appState().isAdministrator());
    connect(add, &QPushButton::clicked, this, &MasterListPanel::ComAdd_Click);
    connect(modify, &QPushButton::clicked, this, &MasterListPanel::ComMod_Click);
    connect(remove, &QPushButton::clicked, this, &MasterListPanel::ComDel_Click);
    connect(back, &QPushButton::clicked, this, &MasterListPanel::ComRtn_Click);

    auto* filterRow = new QHBoxLayout;
    if (m_design.filters.size() > 1) {
        auto* optionFrame = new QWidget(this);
        optionFrame->setObjectName(names.optionFrame);
        auto* optionLayout = new QVBoxLayout(optionFrame);
        optionLayout->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(optionFrame);
        for (int i = 0; i < m_design.filters.size(); ++i) {
            auto* option = new QRadioButton(m_design.filters[i].caption, optionFrame);
            option->setObjectName(m_design.filters[i].objectName);
            group->addButton(option, i);
            optionLayout->addWidget(option);
            connect(option, &QRadioButton::clicked, this, [this, i] { chooseFilterOption(i); });
            m_options << option;
        }
        m_options.first()->setChecked(true);
        filterRow->addWidget(optionFrame);
    }
    auto* filterColumn = new QVBoxLayout;
    m_hint = new QLabel(m_design.filters.value(0).hint, this);
    m_hint->setObjectName(names.hintLabel);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(names.filterBox);
    QPalette cyan = m_filter->palette();
    cyan.setColor(QPalette::Base, QColor(128, 255, 255));
    m_filter->setPalette(cyan);
    connect(m_filter, &QLineEdit::textChanged, this, &MasterListPanel::TextName_Change);
    filterColumn->addWidget(m_hint);
    filterColumn->addWidget(m_filter);
    filterRow->addLayout(filterColumn, 1);
    if (m_design.buttonsBelowFilter) {
        layout->addLayout(filterRow);
        layout->addWidget(buttonFrame);
    } else {
        layout->addWidget(buttonFrame);
        layout->addLayout(filterRow);
    }

    m_view = new RecordGrid(m_design.columns, this);
    m_view->setObjectName(names.list);
    m_model = m_view->records();
    // The designed twips are where the list starts: each fill fits the columns to what it lists.
    m_view->fitEachFill();
    connect(m_view, &QTreeView::doubleClicked, this, [this] {
        if (m_design.doubleClickViews)
            openEditor(EditorMode::View);
        else
            ComMod_Click();
    });
    layout->addWidget(m_view, 1);
}

void MasterListPanel::restoreFilterOption()
{
    if (m_options.isEmpty())
        return;
    // Each option reads its own section; one that reads True is chosen as by a click.
    for (int i = 0; i < m_options.size(); ++i) {
        const QString section = m_design.filters[i].iniSection;
        bool chosen = false;
        if (section.isEmpty() || !readBoolean(mdlINI::ReadIni(section, m_design.iniKey), &chosen) || !chosen)
            continue;
        m_options[i]->setChecked(true);
        chooseFilterOption(i);
    }
}

void MasterListPanel::chooseFilterOption(int index)
{
    // A file that refused one key refuses the rest: one notice is enough.
    for (int i = 0; i < m_options.size(); ++i) {
        const QString section = m_design.filters[i].iniSection;
        if (!section.isEmpty()
            && !mdlINI::WriteIni(section, m_design.iniKey,
                                 m_options[i]->isChecked() ? QStringLiteral("True") : QStringLiteral("False")))
            break;
    }
    if (m_options[index]->isChecked())
        m_hint->setText(m_design.filters[index].hint);
}

QString MasterListPanel::filterColumn() const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return m_design.filters[i].column;
    }
    return m_design.filters.value(0).column;
}

QString MasterListPanel::statement(const QString& condition) const
{
    return condition.isEmpty() ? m_design.select : m_design.select + QStringLiteral(" where ") + condition;
}

QString MasterListPanel::filterCondition() const { return filterColumn() + QStringLiteral(" like '%'||?||'%'"); }

void MasterListPanel::fillWhere(const QString& condition, const QVariantList& params)
{
    if (const DbStatus filled = m_view->fill(statement(condition), params); !filled)
        MessageBox::show(this, filled.error().text());
}

void MasterListPanel::TextName_Change()
{
    const QString text = m_filter->text();
    if (m_design.emptyFilterClears && text.isEmpty()) {
        m_view->clear();
        return;
    }
    fillWhere(filterCondition(), {text.trimmed()});
}

QVariant MasterListPanel::storedNumber(int row) const
{
    const QList<ListColumn>& columns = m_design.columns;
    const auto shown = std::find_if(columns.begin(), columns.end(),
                                    [this](const ListColumn& c) { return c.column == m_design.numberColumn; });
    if (shown == columns.end())
        return {};
    return m_model->index(row, int(shown - columns.begin())).data(RecordTableModel::RawValueRole);
}

int MasterListPanel::selectedRow() const { return m_view->selectedRow(); }
void MasterListPanel::selectRow(int row) { m_view->selectRow(row); }

void MasterListPanel::openEditor(EditorMode mode)
{
    if (m_design.openEditor)
        m_design.openEditor(*this, mode);
}

void MasterListPanel::ComAdd_Click() { openEditor(EditorMode::Add); }
void MasterListPanel::ComMod_Click() { openEditor(EditorMode::Modify); }

void MasterListPanel::ComDel_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // Asked as shown, deleted as stored.
    const QVariant number = storedNumber(row);
    if (MessageBox::askYesNo(this, m_design.deleteQuestion.arg(number.toString().trimmed()))) {
        const DbStatus status = Database::runInTransaction([&](DbSession& session) {
            return DeleteMasterRecord(session, m_design.table, m_design.numberColumn, number, m_design.alsoDeleteFrom);
        });
        if (status)
            m_model->removeRow(row);
        else
            MessageBox::show(this, status.error().text());
    }
    if (m_model->rowCount() > 0)
        selectRow(0);
}

void MasterListPanel::ComRtn_Click() { emit returnRequested(); }

QSize MasterListPanel::sizeHint() const
{
    const int columnsWidth = m_view->columnsWidth();
    const QSize controls = QWidget::sizeHint();
    const int frame = m_view->frameWidth() * 2 + m_view->verticalScrollBar()->sizeHint().width();
    return {std::max(controls.width(), columnsWidth + frame + 24), std::max(controls.height(), 480)};
}
