#pragma once
// The window of a master list: one MasterListPanel per design, side by side
// (the categories and the units share one window), closed by the return
// button of any of them. A member is its designs; buttons of its own stand
// above the lists (addTopRow).
#include "masterlist.h"

#include <QWidget>

class QHBoxLayout;
class QVBoxLayout;

class MasterListForm : public QWidget {
    Q_OBJECT
public:
    MasterListForm(const QString& name, const QString& caption, QList<ListDesign> designs, QWidget* parent = nullptr);

    MasterListPanel* list(int index = 0) const { return m_lists.value(index); }

protected:
    // A row of the member's own controls above the lists.
    void addTopRow(QHBoxLayout* row);

private:
    QVBoxLayout* m_layout = nullptr;
    QList<MasterListPanel*> m_lists;
};
