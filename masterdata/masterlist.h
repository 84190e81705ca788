#pragma once
// The master list and editor family. Every master table (goods, categories,
// units, suppliers, customers, salesmen) is kept through one MasterListPanel
// and one MasterEditor, each built from a design; a member writes designs,
// in designated initializers that read like the tables of its form:
//
//   - its list form is a MasterListForm (masterlistform.h) holding one
//     MasterListPanel per ListDesign (two for categories and units): the
//     table and statement, the columns (header, the statement's column, width
//     in twips, alignment, format), the filter options with their config.ini
//     sections (a single option is a fixed column without buttons), whether
//     the list fills at once, the delete question and the tables deleted with
//     the record, the control names;
//   - its editor is a MasterEditor subclass that hands over an EditorDesign
//     (mastereditor.h): number scheme, boxes with label, column, rule and
//     kind, the search-code boxes, the caption of the view mode, hooks that
//     refuse a save or write more in its transaction. A box writes back the
//     list column that shows its table column;
//   - ListDesign::openEditor ties them: showModally<frmXxx1>().
//
// What a member adds of its own (buttons that fill the list another way, an
// editor's history half) goes around the family through fillWhere(), model(),
// selectedRow() and the editor's box()/text(), never into a copy of it. The
// statements a member needs beyond its design are store functions of
// masterdata (customers.h, shopdetails.h, saleslines.h), never text in a form.
#include "filteroption.h"
#include "recordtablemodel.h"
#include "recordgrid.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class MasterListPanel;

enum class EditorMode { Add, Modify, View };

// Object names of the panel's controls; the defaults are those of most lists.
struct ListNames {
    QString list = QStringLiteral("ListView1");
    QString filterBox = QStringLiteral("TextName");
    QString hintLabel = QStringLiteral("Label2");
    QString buttonFrame = {};
    QString optionFrame = {};
    QString add = QStringLiteral("ComAdd");
    QString modify = QStringLiteral("ComMod");
    QString remove = QStringLiteral("ComDel");
    QString back = QStringLiteral("ComRtn");
    bool deleteBeforeModify = false; // button order 新增 删除 修改 返回
};

using EditorOpener = std::function<void(MasterListPanel&, EditorMode)>;

struct ListDesign {
    QString table = {};
    QString numberColumn = QStringLiteral("编号");
    QString select = {}; // the statement without its filter; empty: every column of the table
    QList<ListColumn> columns = {};
    QList<FilterOption> filters = {}; // the first is chosen at design time
    QString iniKey = QStringLiteral("name");
    bool fillOnOpen = true;
    bool emptyFilterClears = false; // an empty filter box empties the list without a query
    QString deleteQuestion = QStringLiteral("确认删除[%1]吗?");
    QStringList alsoDeleteFrom = {}; // tables whose rows of the number go with the record
    bool deleteForAdministratorOnly = false;
    bool doubleClickViews = false;   // a double-click views instead of modifying
    bool buttonsBelowFilter = false; // hint, filter box, buttons, list; else the buttons on top
    ListNames names = {};
    EditorOpener openEditor = {};
};

// A filtered master list with its add, modify, delete and return buttons.
class MasterListPanel : public QWidget {
    Q_OBJECT
public:
    explicit MasterListPanel(ListDesign design, QWidget* parent = nullptr);

    const ListDesign& design() const { return m_design; }
    RecordTableModel* model() const { return m_model; }
    RecordGrid* view() const { return m_view; }
    QLineEdit* filterBox() const { return m_filter; }

    // The row marked selected, -1 when none.
    int selectedRow() const;
    // The record's number as stored (the list shows it trimmed).
    QVariant storedNumber(int row) const;
    void selectRow(int row);

    // Refills the list from the design's statement, narrowed by a condition
    // with bound values; a failure is reported and leaves the list empty.
    void fillWhere(const QString& condition = {}, const QVariantList& params = {});
    QString filterColumn() const;
    // The statement a fill runs, and the condition the filter box adds to it
    // (its one value is the box's text, trimmed).
    QString statement(const QString& condition = {}) const;
    QString filterCondition() const;

    // Wide enough for every shown column, so the list opens readable.
    QSize sizeHint() const override;

public slots:
    void ComAdd_Click();
    void ComMod_Click();
    void ComDel_Click();
    void ComRtn_Click();
    void TextName_Change();

signals:
    void returnRequested();

private:
    void buildControls();
    void restoreFilterOption();
    void chooseFilterOption(int index);
    void openEditor(EditorMode mode);

    ListDesign m_design;
    RecordTableModel* m_model = nullptr;
    RecordGrid* m_view = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_hint = nullptr;
    QList<QRadioButton*> m_options;
};

template <typename Editor>
EditorOpener showModally()
{
    return [](MasterListPanel& list, EditorMode mode) {
        Editor editor(list, mode, list.window());
        editor.exec();
    };
}
