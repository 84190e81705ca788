#pragma once
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// 用户管理: registers a new operator without rights, or deletes one.
class frm_systemer : public QDialog {
    Q_OBJECT
public:
    explicit frm_systemer(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void clearRegistration();

    QRadioButton* Option1;
    QRadioButton* Option2;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command2;
};
