#pragma once
#include <QWidget>

class MasterListPanel;

// Goods categories on the left, measuring units on the right, each with its
// own filter, buttons and editor.
class frmType : public QWidget {
    Q_OBJECT
public:
    explicit frmType(QWidget* parent = nullptr);

    MasterListPanel* categories() const { return m_categories; }
    MasterListPanel* units() const { return m_units; }

private:
    MasterListPanel* m_categories = nullptr;
    MasterListPanel* m_units = nullptr;
};
