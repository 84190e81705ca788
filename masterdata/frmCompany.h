#pragma once
#include <QDialog>

class QLineEdit;

// The shop's own details, kept as the one row of 店铺信息: a small dialog
// above every other window.
class frmCompany : public QDialog {
    Q_OBJECT
public:
    explicit frmCompany(QWidget* parent = nullptr);

public slots:
    void ComSave_Click();
    void Command2_Click();

private:
    void Form_Load();

    QList<QLineEdit*> m_boxes; // Text1 to Text4: 名称, 地址, 联系人, 电话
};
