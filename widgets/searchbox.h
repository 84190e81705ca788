#pragma once
#include <QWidget>

class QLineEdit;
class QRadioButton;

// The web search box of the shop program's main window and of the
// assistant's search bar: a text and the choice of one of four search
// services, opened in the default browser.
class SearchBox : public QWidget {
    Q_OBJECT
public:
    explicit SearchBox(QWidget* parent = nullptr);

    // Selects the web search, as the main window's load does.
    void selectWebSearch();

private:
    void CmdOK_Click();

    QLineEdit* m_text1 = nullptr;
    QRadioButton* m_optBD = nullptr;
    QRadioButton* m_optTB = nullptr;
    QRadioButton* m_optJD = nullptr;
    QRadioButton* m_optYMX = nullptr;
};
