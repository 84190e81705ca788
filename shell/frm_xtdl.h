#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct DbError;

// The login form: the instance test, the operator list and the name and
// password check that opens the main window.
class frm_xtdl : public QWidget {
    Q_OBJECT
public:
    // Loads and shows the form, or raises the one already open; nullptr when
    // another copy of the program runs (after saying so), and the program
    // must end.
    static frm_xtdl* load();
    // Takes the one-copy lock, or tells that another copy runs.
    static bool claimInstance();

private:
    frm_xtdl();
    void fillOperators();
    // Puts the operator's name and post in the boxes.
    void showOperator(QListWidgetItem* item);
    void ListView1_ItemClick(QListWidgetItem* item);
    void Command1_Click();
    void Command2_Click();
    void reportDatabaseError(const DbError& error);

    QLineEdit* m_text2 = nullptr; // name
    QLineEdit* m_text1 = nullptr; // password
    QListWidget* m_listView1 = nullptr;
    QLabel* m_label3 = nullptr;
    QListWidgetItem* m_shown = nullptr; // the operator shown last, and whether his row was found
    bool m_shownFound = false;
};
