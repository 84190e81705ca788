#pragma once
#include <QWidget>

class QComboBox;
class QDateEdit;
class QFrame;
class ElidedLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class RestoreInFlight;

// The backup window: back up now, restore a copy, the daily backup time, the
// purge of old slips, compact and repair, and the network restore (its button
// hidden). One at a time.
class frm_backup : public QWidget {
    Q_OBJECT
public:
    explicit frm_backup(QWidget* parent = nullptr);

    // Shows the backup window, raising the open one instead of opening another.
    static frm_backup* showOnce();
    // The immediate backup run from outside the window (toolbar, countdown):
    // afterwards an open backup window is closed.
    static void backUpAndClose(QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTimeBoxes(QWidget* row);
    void Form_Load();
    void Command4_Click();
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();
    void ComDel_Click();
    void ComCompress_Click();
    void ComDown_Click();
    void followRestore(RestoreInFlight* run);

    QLabel* Label5;
    QPushButton* Command4;
    QPushButton* Command1;
    QLineEdit* Text1;
    QPushButton* Command5;
    QComboBox* cboHour;
    QComboBox* cboMinute;
    QLabel* Label12;
    QPushButton* Command2;
    QFrame* Line1;
    QLabel* Label4;
    QDateEdit* DTPicker1;
    QLabel* Label3;
    QPushButton* ComDel;
    QLabel* Label2;
    QPushButton* ComCompress;
    QPushButton* ComDown;
    ElidedLabel* Label1;
};
