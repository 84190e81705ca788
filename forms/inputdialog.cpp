#include "inputdialog.h"
#include "dialogrules.h"
#include "focushighlight.h"
#include "formparts.h"
#include "messagebox.h"
#include "module2.h"
#include "moneybox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FormParts;

InputDialog::InputDialog(QWidget* parent, const QString& formName, const QString& caption, const QString& prompt,
                         const QString& figure)
    : QDialog(parent)
    , m_number(!figure.isEmpty())
{
    setObjectName(formName);
    setWindowTitle(caption);
    setModal(true);
    Label1 = label(this, QStringLiteral("Label1"), prompt);
    // Both boxes stand on one spot; the mode shows one of them.
    Text1 = named(new QLineEdit(QStringLiteral("0.00"), this), QStringLiteral("Text1"));
    Text2 = named(new QLineEdit(this), QStringLiteral("Text2"));
    Text1->setVisible(m_number);
    Text2->setVisible(!m_number);
    auto* ComOK = button(this, QStringLiteral("ComOK"), QStringLiteral("确认"));
    auto* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("取消"));
    connect(ComOK, &QPushButton::clicked, this, &InputDialog::ComOK_Click);
    connect(ComRtn, &QPushButton::clicked, this, &InputDialog::ComRtn_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addWidget(Text2);
    layout->addLayout(buttonRow({ComOK, ComRtn}));
    setTabOrder(Text1, Text2);
    (m_number ? Text1 : Text2)->setFocus();

    (new FocusHighlight(this))->watch(Text1, FocusHighlight::Role::Figure, MoneyBox::Design{.caption = figure});
    DialogKeyFilter::install(this, [this] { ComRtn_Click(); });
    // Enter confirms from any control, before the box it is typed in is left.
    installEventFilter(this);
    DialogRules::CenterForm(this);
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    ComOK_Click();
    return true;
}

void InputDialog::ComOK_Click()
{
    if (!m_number) {
        m_text = Text2->text().trimmed();
        accept();
        return;
    }
    if (Text1->text() == QStringLiteral("0.00")) {
        MessageBox::show(this, QStringLiteral("请输入非零售数字。"), MessageBox::NoticeTitle);
        Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Enter confirms before the box is left; a click on 确认 has left it
    // already, and the refusal is not told twice.
    if (MoneyBox::of(Text1)->refuses())
        return;
    const Amount value = Amount::fromText(Text1->text());
    if (!value.isZero())
        m_value = value;
    accept();
}

void InputDialog::ComRtn_Click() { reject(); }

std::optional<Amount> InputDialog::askNumber(QWidget* parent, const QString& formName, const QString& caption,
                                             const QString& prompt, const QString& figure)
{
    InputDialog dialog(parent, formName, caption, prompt, figure);
    dialog.exec();
    return dialog.m_value;
}

QString InputDialog::askText(QWidget* parent, const QString& formName, const QString& caption, const QString& prompt)
{
    InputDialog dialog(parent, formName, caption, prompt, {});
    dialog.exec();
    return dialog.m_text;
}
