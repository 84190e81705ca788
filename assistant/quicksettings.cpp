#include "quicksettings.h"
#include "forms.h"
#include "messagebox.h"
#include "pictures.h"
#include "quickslots.h"
#include "settingsnotice.h"
#include "windowrules.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace Teskarn {
namespace {
QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(name);
    return created;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* created = new QPushButton(text, parent);
    created->setObjectName(name);
    created->setAutoDefault(false);
    return created;
}

QLineEdit* box(const QString& name, QWidget* parent)
{
    auto* created = new QLineEdit(parent);
    created->setObjectName(name);
    created->setMinimumWidth(220);
    return created;
}
}

QuickSettingsForm::QuickSettingsForm(const Design& design)
    : QWidget(nullptr, Qt::Window)
    , m_design(design)
{
    setObjectName(design.formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(design.caption);

    auto* grid = new QGridLayout;
    int column = 1;
    for (const Label& heading : design.columnHeadings)
        grid->addWidget(label(heading.name, heading.text, this), 0, column++);
    const int boxes = design.nameKey ? 2 : 1;
    for (int index = 0; index < design.slotNumbers.size(); ++index) {
        const int slot = design.slotNumbers.at(index);
        Row row{slot, index + 1, box(design.targetBoxName.arg(slot), this), nullptr};
        if (design.nameKey)
            row.name = box(design.nameBoxName.arg(slot), this);
        m_rows.append(row);

        const int line = row.line; // below the headings
        grid->addWidget(label(QStringLiteral("lbl_%1").arg(index), QStringLiteral("%1、").arg(row.line), this), line, 0);
        grid->addWidget(row.target, line, 1);
        if (row.name)
            grid->addWidget(row.name, line, 2);
        auto* browseButton = button(QStringLiteral("cmd%1").arg(slot), design.browseCaption, this);
        auto* clearButton = button(QStringLiteral("cmdC%1").arg(slot), QStringLiteral("清空"), this);
        grid->addWidget(browseButton, line, 1 + boxes);
        grid->addWidget(clearButton, line, 2 + boxes);
        connect(browseButton, &QPushButton::clicked, this, [this, row] { browse(row); });
        connect(clearButton, &QPushButton::clicked, this, [this, row] { cmdC_Click(row); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    for (const Label& note : design.notes)
        layout->addWidget(label(note.name, note.text, this));
    layout->addWidget(label(QStringLiteral("lblSM"), QStringLiteral("（在图标后面空白部分单击右键，可弹出各项设置菜单）"), this));

    auto* hint = new QHBoxLayout;
    hint->addWidget(label(design.hintBefore.name, design.hintBefore.text, this));
    auto* image1 = label(QStringLiteral("Image1"), {}, this);
    image1->setPixmap(Pictures::logo());
    hint->addWidget(image1);
    hint->addWidget(label(design.hintAfter.name, design.hintAfter.text, this));
    hint->addStretch();
    layout->addLayout(hint);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdSave = button(QStringLiteral("cmdSave"), design.saveCaption, this);
    auto* cmdExit = button(QStringLiteral("cmdExit"), design.exitCaption, this);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdExit);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(cmdSave, &QPushButton::clicked, this, &QuickSettingsForm::cmdSave_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void QuickSettingsForm::Form_Load()
{
    DialogRules::CenterForm(this);
    for (const Row& row : m_rows) {
        row.target->setText(m_design.targetKey(row.slot).read());
        if (row.name)
            row.name->setText(m_design.nameKey(row.slot).read());
    }
}

void QuickSettingsForm::cmdC_Click(const Row& row)
{
    row.target->clear();
    if (row.name)
        row.name->clear();
}

void QuickSettingsForm::cmdSave_Click()
{
    // Every row in one rewrite: a failure keeps no path under an old caption.
    QList<SettingInput> inputs;
    for (const Row& row : m_rows) {
        // The row as the panel's messages name it: 第三项路径.
        const QString number = QStringLiteral("第") + QuickSlots::ordinal(row.line);
        inputs.append({m_design.targetKey(row.slot).entry(row.target->text()), number + QStringLiteral("项路径")});
        if (row.name)
            inputs.append({m_design.nameKey(row.slot).entry(row.name->text()), number + QStringLiteral("项名称")});
    }
    if (!saveSettingsOrTell(configFile(), inputs, this))
        return;
    // The message's and the refresh's loops may close the form.
    const QPointer<QuickSettingsForm> self(this);
    const auto refreshPanel = m_design.refreshPanel;
    MessageBox::show(this, QStringLiteral("保存成功！"));
    refreshPanel();
    if (self)
        close();
}

void QuickSettingsForm::closeEvent(QCloseEvent* event)
{
    Forms::closing(m_design.formName, this);
    event->accept();
}
}
