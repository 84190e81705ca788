#pragma once
// The slip-edit family: a modeless dialog over a records window that changes
// the texts of the slip chosen there, never an amount or a stock figure. It
// loads the slip by its number as stored; saving turns each empty text into
// "-", edits the slip through the slip core in one transaction, reports
// "修改成功。" once the slip's row was written, tells the records window that
// the slip changed, which reads it again into its own row, and closes. Enter moves from a filled
// one-line box to the next box; a box of several lines takes Enter as a new
// line.
#include <QDialog>

class QLineEdit;
class SlipRecordsForm;
struct SlipEdit;

// Which text of the slip a box edits.
enum class SlipEditPart { Partner, Salesman, Introducer, Remark };

struct SlipEditField {
    QString box;
    QString labelName;
    QString label;
    QString column; // the header column it shows and writes
    SlipEditPart part = SlipEditPart::Remark;
    bool multiLine = false;
};

struct SlipEditDesign {
    QString formName;
    QString caption;
    bool numberEditable = false; // Text1; else shown only
    QList<SlipEditField> fields;
    QString focusBox; // where the focus goes at each activation
};

class SlipEditDialog : public QDialog {
    Q_OBJECT
public:
    void ComSave_Click();

signals:
    // The slip of the number was edited; it is now stored as nowNumber.
    void slipChanged(const QString& number, const QString& nowNumber);

protected:
    SlipEditDialog(SlipEditDesign design, SlipRecordsForm& records);

private:
    void buildControls();
    void Form_Load();
    QString text(int field) const;
    void setText(int field, const QString& text);
    // The edit of the boxes as they stand.
    SlipEdit edit() const;

    SlipEditDesign m_design;
    SlipRecordsForm& m_records; // the dialog's parent
    QLineEdit* Text1;
    QList<QWidget*> m_boxes; // by field
    QString sOldNo;          // the number as loaded, as stored
};
