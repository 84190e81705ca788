#pragma once
#include <QMainWindow>

class ClockTimer;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class SearchBox;

// The main window: menus, toolbar and status bar; every item opens its form
// through the dispatch table, and the operator's right flags gate the items
// at every activation.
class MDIF_main : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIF_main(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }
    // Shows a form as a child window; it is destroyed when it closes.
    QMdiSubWindow* showChild(QWidget* form);
    // Closes every child window; one that refuses stays open.
    void closeChildWindows();

    // The exit button: ends the program after the question.
    void Toolbar1_17_Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void buildSearchBox();
    void placeSearchBar();
    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();

    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_toolbar = nullptr;
    QToolBar* m_searchBar = nullptr;
    SearchBox* m_searchBox = nullptr;
    QLabel* m_operatorPanel = nullptr;
    QLabel* m_clockPanel = nullptr;
    ClockTimer* m_timer1 = nullptr;
    bool m_noticePending = false;
};
