#pragma once
#include <QDialog>

class QListWidget;
class QProgressBar;

// 系统初始化: empties the chosen tables.
class frm_del_Data : public QDialog {
    Q_OBJECT
public:
    explicit frm_del_Data(QWidget* parent = nullptr);

private:
    void setAllChecked(bool checked);
    void cmdSel_Click();
    void cmdDel_Click();
    QStringList checkedTables() const;

    QListWidget* List1;
    QProgressBar* ProgressBar1;
};
