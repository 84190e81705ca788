#pragma once
#include <QWidget>

class MasterListPanel;

// The salesmen, filtered by pinyin or wubi code; a double-click views one
// with his sales, and only the administrator may delete.
class frmOperation : public QWidget {
    Q_OBJECT
public:
    explicit frmOperation(QWidget* parent = nullptr);

    MasterListPanel* list() const { return m_list; }

private:
    MasterListPanel* m_list = nullptr;
};
