#pragma once
#include "quickpanel.h"

#include <QMap>

class QPushButton;

namespace Teskarn {
// The quick-folder panel "快捷文件夹": a button for each of the slots 1, 2, 3,
// 5, 6 and 7, captioned with the slot's name. A click opens the slot's target
// as config.ini holds it at that moment and closes the panel; a slot without
// a target opens the settings form kuaijie2.
class UrlF : public QuickPanel {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("UrlF"); }

    UrlF();
    // Places the panel and captions the buttons.
    void Form_Load();

    static void cmd_Click(int slot);

private:
    QMap<int, QPushButton*> m_cmd;
};
}
