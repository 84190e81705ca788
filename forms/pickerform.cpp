#include "pickerform.h"
#include "dialogrules.h"
#include "focushighlight.h"
#include "formparts.h"
#include "formregistry.h"
#include "keptoption.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "unloadform.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace FormParts;

PickerForm::PickerForm(PickerDesign design, QWidget* opener)
    : QDialog(opener)
    , m_design(std::move(design))
    , m_opener(opener)
{
    setObjectName(m_design.formName);
    setWindowTitle(m_design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(m_design.modal);
    buildControls();
    TextName_Change();
    restoreOption();
    // As wide as the listed columns, which the centring keeps on the screen.
    resize(sizeHint());
    DialogRules::CenterForm(this);
}

void PickerForm::buildControls()
{
    auto* optionRow = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < m_design.options.size(); ++i) {
        const FilterOption& option = m_design.options[i];
        auto* button = named(new QRadioButton(option.caption, this), option.objectName);
        group->addButton(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        optionRow->addWidget(button);
        m_options << button;
    }
    m_options.first()->setChecked(true);
    optionRow->addStretch();
    Label2 = label(this, QStringLiteral("Label2"), m_design.options.first().hint);
    TextName = named(new QLineEdit(this), QStringLiteral("TextName"));
    QPalette cyan = TextName->palette();
    cyan.setColor(QPalette::Base, FocusHighlight::lit());
    TextName->setPalette(cyan);
    connect(TextName, &QLineEdit::textChanged, this, &PickerForm::TextName_Change);
    TextName->installEventFilter(this);
    ListView1 = named(new RecordGrid(m_design.columns, this), QStringLiteral("ListView1"));
    ListView1->setSelectsFirstRow(true);
    ListView1->fitEachFill();
    connect(ListView1, &RecordGrid::chosen, this, &PickerForm::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(optionRow);
    layout->addWidget(Label2);
    layout->addWidget(TextName);
    layout->addWidget(ListView1, 1);
    TextName->setFocus();
    DialogKeyFilter::install(this, [this] { Module2::UnloadForm(this); });
}

void PickerForm::restoreOption()
{
    if (m_design.iniKey.isEmpty())
        return;
    QStringList sections;
    for (const FilterOption& option : std::as_const(m_design.options))
        sections << option.iniSection;
    if (const int kept = KeptOption(sections, m_design.iniKey); kept >= 0) {
        m_options[kept]->setChecked(true);
        optionClicked(kept);
    }
}

void PickerForm::optionClicked(int index)
{
    if (m_options[index]->isChecked())
        Label2->setText(m_design.options[index].hint);
}

QString PickerForm::searchColumn() const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return m_design.options[i].column;
    }
    return m_design.options.first().column;
}

void PickerForm::TextName_Change()
{
    const DbStatus filled =
        ListView1->fill(QStringLiteral("select * from %1 where %2 like '%'||?||'%'").arg(m_design.table, searchColumn()),
                        {TextName->text().trimmed()});
    if (!filled)
        MessageBox::show(this, filled.error().text());
}

bool PickerForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != TextName || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (ListView1->rowCount() > 0)
        ListView1->setFocus(Qt::OtherFocusReason);
    return true;
}

void PickerForm::choose()
{
    const int row = ListView1->selectedRow();
    if (row < 0)
        return;
    const PickedRecord record{ListView1->text(row, 0), ListView1->text(row, 1)};
    const QPointer<QWidget> opener = m_opener;
    const Choice choice = m_choice;
    Module2::UnloadForm(this);
    // Only a form still open takes the choice.
    if (opener && choice)
        choice(record);
}

void PickerForm::openOnce(QWidget* opener, const QString& formName, const std::function<PickerForm*()>& create, Choice onChoice)
{
    auto* open = qobject_cast<PickerForm*>(FormRegistry::openForm(formName));
    // A hidden one was closed and waits for its deletion.
    if (!open || open->isHidden()) {
        open = create();
        FormRegistry::registerForm(formName, open);
    }
    open->m_opener = opener;
    open->m_choice = std::move(onChoice);
    if (open->m_design.modal) {
        open->exec();
        return;
    }
    open->show();
    open->raise();
    open->activateWindow();
}
