#pragma once
// The repayment-dialog family: a modal dialog over a records window that
// books payments against the slip chosen there, read by its number as
// stored. It shows the partner, the open balance with its sign, a preview of
// the balance after the amount typed, and the slip's earlier payments. Each
// payment goes through the slip core in one transaction; only then does the
// dialog change and tell the records window that the slip changed, which
// reads it again. It stays open for further payments. A slip with no open
// balance when the dialog opens cannot be paid.

#include <QDialog>

class QLineEdit;
class QPushButton;
class RecordGrid;
class SlipRecordsForm;

struct RepaymentDesign {
    QString formName;
    QString caption;
    QString frameCaption;   // Frame1
    QString confirmCaption; // ComOK
    QString partnerLabel;   // Label5, beside the partner Text1
    QString historyLabel;   // Label8, above the payments
    QString partnerColumn;  // the header column of the partner
};

class RepaymentDialog : public QDialog {
    Q_OBJECT
public:
    void ComOK_Click();
    void ComRtn_Click();

signals:
    // A payment was booked against the slip of the number.
    void slipChanged(const QString& number);

protected:
    RepaymentDialog(RepaymentDesign design, SlipRecordsForm& records);

private:
    void buildControls();
    void Form_Load();
    void Text3_Change();

    RepaymentDesign m_design;
    SlipRecordsForm& m_records; // the dialog's parent
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* ComOK;
    RecordGrid* ListView1;
    QString sSlipNo; // the slip paid, as stored; "" when none
};
