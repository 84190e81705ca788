#pragma once
#include <QDialog>

class QLineEdit;

// 密码修改: whoever knows an operator's old password sets a new one.
class frm_Edit_Password : public QDialog {
    Q_OBJECT
public:
    explicit frm_Edit_Password(QWidget* parent = nullptr);

private:
    void Command1_Click();

    QLineEdit* Text5;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
};
