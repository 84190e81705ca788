#pragma once
// The small modal dialogs that ask for one value: a number (to change a slip
// line) or a text (a records window's query). Centred, Enter confirms and Esc
// cancels from any control. The number box selects its integer part when
// entered and shows "0.00" when left; confirming the text "0.00" is refused.
// Members differ in their name and texts: frmIn15, frmOut15, frmCheck15,
// frmOther15, frmOther151, frmStock1.
#include "amount.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

class InputDialog : public QDialog {
    Q_OBJECT
public:
    // The number typed; none when the dialog is cancelled or closed, or the
    // number is 0 (which no caller takes for a number). A number past the
    // box limit is refused, naming it by figure ("数量").
    static std::optional<Amount> askNumber(QWidget* parent, const QString& formName, const QString& caption,
                                           const QString& prompt, const QString& figure);
    // The text typed without blanks around it; "" when cancelled or closed.
    static QString askText(QWidget* parent, const QString& formName, const QString& caption, const QString& prompt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A number dialog names the number it asks for (figure); a text dialog has none.
    InputDialog(QWidget* parent, const QString& formName, const QString& caption, const QString& prompt, const QString& figure);
    void ComOK_Click();
    void ComRtn_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    bool m_number;
    std::optional<Amount> m_value;
    QString m_text;
};
