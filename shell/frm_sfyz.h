#pragma once
#include <QDialog>

class QLineEdit;

// 初始化数据身份验证: the logged-in operator confirms his own password before
// the system initialisation opens.
class frm_sfyz : public QDialog {
    Q_OBJECT
public:
    explicit frm_sfyz(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void Command1_Click();

    QLineEdit* Text1;
    QLineEdit* Text2;
};
