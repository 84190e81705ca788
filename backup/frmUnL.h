#pragma once
#include <QWidget>

class FtpClient;
class QLabel;
class QPushButton;

// The prompt that offers to send the books to the remote backup server before
// the program ends: zips the database and uploads it by FTP, showing each
// state of the transfer.
class frmUnL : public QWidget {
    Q_OBJECT
public:
    explicit frmUnL(QWidget* parent = nullptr);

private:
    void Form_Load();
    void CommYes_Click();
    void Comcancel_Click();
    void inetFTP_StateChanged(int State);

    QLabel* LabExit;
    QLabel* LabTips;
    QPushButton* CommYes;
    QPushButton* Comcancel;
    FtpClient* inetFTP;
};
