#include "formparts.h"
#include "amount.h"
#include "dialogrules.h"
#include "textwidths.h"
#include "unloadform.h"

#include <QDateEdit>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace FormParts {

QLabel* label(QWidget* parent, const QString& name, const QString& caption) { return named(new QLabel(caption, parent), name); }

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption,
                       const QString& boxName)
{
    return labelledBox(grid, row, column, labelName, caption, named(new QLineEdit(grid->parentWidget()), boxName));
}

QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption, QLineEdit* box)
{
    QLabel* l = label(grid->parentWidget(), labelName, caption);
    l->setBuddy(box);
    grid->addWidget(l, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QLineEdit* figureBox(QWidget* parent, const QString& name, const QString& figure)
{
    auto* box = named(new QLineEdit(figure, parent), name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    fitWidestFigure(box);
    return box;
}

void fitText(QLineEdit* box, const QString& text)
{
    // A line edit keeps a margin of two pixels each side of its text.
    constexpr int TextMargin = 2;
    const QMargins margins = box->textMargins() + box->contentsMargins();
    const QSize size(TextAdvance(box->font(), text) + 2 * TextMargin + margins.left() + margins.right(),
                     box->fontMetrics().height());
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    box->setMinimumWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, size, box).width());
}

void fitWidestFigure(QLineEdit* box) { fitText(box, (-Amount::bookLimit()).toMoneyText()); }

void fitBarcode(QLineEdit* box) { fitText(box, QString(13, QLatin1Char('0'))); }

QDateEdit* datePicker(QWidget* parent, const QString& name, const QDate& date)
{
    auto* picker = named(new QDateEdit(date, parent), name);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    return picker;
}

void maskWithStars(QLineEdit* box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

void closeWith(QDialog* dialog, QPushButton* closeButton)
{
    const auto unload = [dialog] { Module2::UnloadForm(dialog); };
    if (closeButton)
        QObject::connect(closeButton, &QPushButton::clicked, dialog, unload);
    DialogKeyFilter::install(dialog, unload);
}

}
