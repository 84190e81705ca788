#include "dialogparts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace DialogParts {

QLabel* label(QWidget* parent, const QString& name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit* labelledBox(QGridLayout* grid, int row, int column, const QString& labelName, const QString& caption,
                       const QString& boxName)
{
    QWidget* parent = grid->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setObjectName(boxName);
    QLabel* l = label(parent, labelName, caption);
    l->setBuddy(box);
    grid->addWidget(l, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

void maskWithStars(QLineEdit* box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

}
