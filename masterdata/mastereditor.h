#pragma once
// The master record editor of the family (see masterlist.h): a modal dialog
// built from an EditorDesign. It numbers a new record, copies the list's
// selected row to modify or view one, moves on with Enter only from a filled
// box (from the last one to the save button), ignores Esc, fills the search
// codes when the name box is left for another place in the editor, checks
// the boxes in field order, saves in one transaction and writes the list row.
#include "focusleave.h"
#include "masterlist.h"
#include "masterrecord.h"
#include "recordnumber.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QSet>
#include <optional>

class QHBoxLayout;
class QPushButton;

// A member whose boxes need another kind (a date, a whole number) adds it here.
enum class FieldKind {
    Line,
    MultiLine, // several lines with a vertical scroll bar
    Combo,     // a list and typing; a typed value is kept
    Money,     // right-aligned, "0.00" on leaving, saved as a number; a money box of the box limit
    Date,      // a date picker, read and written as "yyyy-mm-dd"; a new record starts today
    Whole,     // a whole number after every change ("12.6" shows 13), saved as a number
};

enum class FieldRule {
    Required, // empty: "请输入<name>。" and the focus to the box
    Optional, // empty: "-"
    Untested,
};

// One box of an editor, written with designated initializers that name only
// what differs from the defaults.
struct EditorField {
    QString objectName = {}; // "Text2"
    QString label = {};      // "名    称", as it stands beside the box; without its blanks, the field's name in messages
    QString column = {};     // the table's column; the list column showing the same column is written after a save
    FieldRule rule = FieldRule::Optional;
    FieldKind kind = FieldKind::Line;
    bool enterChain = true;         // Enter in it moves on
    bool sameRow = false;           // stands right of the box before it
    QString labelName = {};         // the label's objectName, when a member changes its text
    QString hint = {};              // a label right of the box that starts a row
    QStringList items = {};         // Combo: fixed items
    QString itemsFrom = {};         // Combo: a table whose names (名称) are its items, read at load
    QString initialText = {};       // the text a new record starts with
    bool writtenWhenEdited = false; // a modified record writes it only after the user changed the box
};

// A save the database refuses before anything is written.
struct Refusal {
    QString text = {};
    QString title = {};
    QString focusField = {};
};

// An editor: its numbering, its boxes in order and its hooks, written with
// designated initializers.
struct EditorDesign {
    NumberScheme number = {};       // table, number column and numbering
    QList<EditorField> fields = {}; // in the order of the checks; the first is the number box
    QString caption = QStringLiteral("记录编辑");
    QString viewCaption = {};
    // Leaving the name box fills the two code boxes; empty names: no codes.
    QString nameField = {};
    QString pinyinField = {};
    QString wubiField = {};
    // Both run inside the save's transaction, before and after the write.
    std::function<DbResult<std::optional<Refusal>>(DbSession&, const MasterRecord&, EditorMode)> refuseSave = {};
    std::function<DbStatus(DbSession&, const MasterRecord&, EditorMode)> alsoWrite = {};
};

class MasterEditor : public QDialog {
    Q_OBJECT
public:
    MasterEditor(EditorDesign design, MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);

    EditorMode mode() const { return m_mode; }
    const QString& oldNumber() const { return m_oldNumber; }
    QWidget* box(const QString& objectName) const;
    QString text(const QString& objectName) const;
    void setText(const QString& objectName, const QString& text);
    MasterRecord record() const;
    // A part of the member's own right of the record (a history half).
    void addSidePart(QWidget* part);

public slots:
    void ComSave_Click();
    void ComRtn_Click();
    void fillSearchCodes();

private:
    void buildControls();
    void load();
    void fillItemLists();
    void writeListRow();
    QWidget* firstBox() const;
    void assign(QWidget* box, const QString& text);
    void watchEdits(int field);
    // Whether the save writes the field: one written only when edited and
    // left alone keeps its stored value.
    bool isWritten(int field) const;

    EditorDesign m_design;
    MasterListPanel& m_list;
    EditorMode m_mode;
    QString m_oldNumber;
    QVariantList m_stored;    // by field, the values of the record as loaded
    QList<int> m_listColumns; // by field, the list column of its table column (-1: none)
    QPersistentModelIndex m_listRow;
    QHBoxLayout* m_parts = nullptr;
    QList<QWidget*> m_boxes; // by field
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_assigning = false;
    QSet<QWidget*> m_edited;              // boxes the user changed
    std::optional<FocusLeave> m_nameLeft; // fills the search codes
};
