#pragma once
// The pickers: a small window listing the rows of one table whose chosen
// search column holds the filter text, refilled at every change of the text;
// Enter in the filter goes to the list, Enter or a double-click there chooses
// the selected row, Esc closes without a choice. The choice goes to the
// opener while it is open, which takes it and moves its own focus. A
// modeless picker is shown once at a time: opened again it is raised with its
// filter and list. Members hand over a PickerDesign: the supplier picker
// frmIn11, the customer picker frmOut11 and the salesman picker frmOut16.
#include "filteroption.h"
#include "recordtablemodel.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;
class RecordGrid;

struct PickerDesign {
    QString formName = {};
    QString caption = {};
    QString table = {};
    QList<ListColumn> columns = {};   // the first shows the record's number, the second its name
    QList<FilterOption> options = {}; // the first is chosen at opening; their sections are only read
    QString iniKey = {};              // the key of the sections read after the first fill; empty: none
    bool modal = false;
};

// The chosen row: its number and name as shown.
struct PickedRecord {
    QString number;
    QString name;
};

class PickerForm : public QDialog {
    Q_OBJECT
public:
    using Choice = std::function<void(const PickedRecord&)>;

    // Shows a member's picker over the opener, handing the choice to
    // onChoice; a modal one returns when it is closed.
    template <typename Picker>
    // NOLINTNEXTLINE(performance-unnecessary-value-param): moved on; the check misreads the call in a template
    static void open(QWidget* opener, Choice onChoice)
    {
        openOnce(
            opener, QString::fromLatin1(Picker::FormName), [opener] { return new Picker(opener); }, std::move(onChoice));
    }

    const PickerDesign& design() const { return m_design; }
    void TextName_Change();

protected:
    PickerForm(PickerDesign design, QWidget* opener);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void openOnce(QWidget* opener, const QString& formName, const std::function<PickerForm*()>& create, Choice onChoice);
    void buildControls();
    void restoreOption();
    void optionClicked(int index);
    QString searchColumn() const;
    void choose();

    PickerDesign m_design;
    QPointer<QWidget> m_opener;
    Choice m_choice;
    QList<QRadioButton*> m_options;
    QLabel* Label2 = nullptr;
    QLineEdit* TextName = nullptr;
    RecordGrid* ListView1 = nullptr;
};
