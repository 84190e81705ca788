#pragma once
#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace Teskarn {
// The timed shutdown's settings, shown one at a time and modeless: the hour
// and minute, and whether every start of the program arms it again.
class shutdown : public QWidget {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("shutdown"); }

    shutdown();
    void Form_Load();
    // Centred on the screen.
    void showLoaded();

private:
    void Command1_Click();
    void cmdDel_Click();
    void cmdExit_Click();

    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QCheckBox* m_chk = nullptr;
};
}
