#pragma once
#include <QDialog>

class ClockTimer;
class QLabel;
class QPushButton;

// The timed backup's countdown: a minute's grace before the backup, which the
// user may start at once or cancel. However it ends, the timed backup is
// disarmed for the rest of the run.
class frm_backup2 : public QDialog {
    Q_OBJECT
public:
    explicit frm_backup2(QWidget* parent = nullptr);

    // The tray's once-a-second check: opens the countdown modally when the
    // armed trigger's time has come, unless it is open already or the books
    // are busy.
    static void openWhenDue(QWidget* parent);

    void done(int result) override;

private:
    void Form_Load();
    void Timer2_Timer();
    void Command1_Click();
    void Command2_Click();
    void backUpNow();

    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;
    ClockTimer* Timer2;
    int m_secondsLeft = 60;
};
