#pragma once
#include <QWidget>

class MasterListPanel;

// The suppliers, filtered by pinyin or wubi code.
class frmProvider : public QWidget {
    Q_OBJECT
public:
    explicit frmProvider(QWidget* parent = nullptr);

    MasterListPanel* list() const { return m_list; }

private:
    MasterListPanel* m_list = nullptr;
};
