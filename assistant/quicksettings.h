#pragma once
#include "configvalue.h"

#include <QList>
#include <QWidget>

class QLineEdit;

namespace Teskarn {
// The design the two settings forms of the quick panels share: one row a
// slot (its number, a target box, for the folders a name box, a browse and a
// clear button), the hint line, 保存 and 退出. The boxes are the working copy:
// save writes them as typed, in row order, reports, refreshes the panel and
// closes; exit writes nothing. A box holding a line break is refused and a
// write that fails is reported; either way nothing is written and the form
// stays open with what was typed.
class QuickSettingsForm : public QWidget {
    Q_OBJECT
public:
    // Centres the form and fills the boxes from config.ini.
    virtual void Form_Load();

protected:
    struct Label {
        QString name;
        QString text;
    };
    struct Design {
        QString formName;
        QString caption;
        QList<int> slotNumbers;
        ConfigKey (*targetKey)(int slot) = nullptr;
        ConfigKey (*nameKey)(int slot) = nullptr; // null: no name box
        QString targetBoxName;                    // with %1 for the slot
        QString nameBoxName{};
        QString browseCaption;
        QList<Label> columnHeadings{}; // above the target and the name boxes
        QList<Label> notes{};          // above lblSM
        Label hintBefore;              // then the bar's logo, then
        Label hintAfter;
        QString saveCaption;
        QString exitCaption;
        void (*refreshPanel)() = nullptr; // the panel re-reads what was saved
    };
    struct Row {
        int slot = 0;
        int line = 0; // the row's number on the screen
        QLineEdit* target = nullptr;
        QLineEdit* name = nullptr;
    };

    explicit QuickSettingsForm(const Design& design);
    const QList<Row>& rows() const { return m_rows; }

    // The row's browse button.
    virtual void browse(const Row& row) = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    void cmdC_Click(const Row& row);
    void cmdSave_Click();

    Design m_design;
    QList<Row> m_rows;
};
}
