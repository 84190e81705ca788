#pragma once
#include "operators.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// 操作员设置: shows and grants the 25 right flags of one operator.
class frm_setoperator : public QDialog {
    Q_OBJECT
public:
    explicit frm_setoperator(QWidget* parent = nullptr);

    // The caption of the check box of each right, 1 to 25.
    static QString rightCaption(int right);

private:
    void ListView1_ItemClick(QListWidgetItem* item);
    void Cmd_sq_Click();
    void Cmd_Cancel_Click();

    QListWidget* ListView1;
    QGroupBox* Frame3;
    QLabel* Label1;
    QPushButton* Cmd_sq;
    QString m_chosen; // the operator the boxes show
    std::array<QCheckBox*, Operators::RightCount> checks{};
};
