#pragma once
#include "quickpanel.h"

#include <array>

class QIcon;
class QLabel;

namespace Teskarn {
class ClickLabel;

// The quick-launch panel "快捷软件": eight picture slots, each showing the
// small icon of its target. A click opens the slot's target as last loaded
// and closes the panel; an empty slot 1 to 7 opens the settings form kuaijie,
// an empty slot 8 the default page. F1 is a click on slot 8 without the panel.
class UrlS : public QuickPanel {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("UrlS"); }
    // What an empty slot 8 opens.
    static QString defaultPage();

    UrlS();
    // Places the panel, reads SlotTarget1 … SlotTarget8 and shows their icons;
    // each target without one is reported, and kuaijie opens.
    void Form_Load();

    static void picInvisible_Click(int slot);
    static void picInvisible8_Click() { picInvisible_Click(8); }

private:
    static void PreparePicture(QLabel* box);
    bool ShowSlotIcon(int slot, const QString& target);
    static void DrawIcon(QLabel* box, const QIcon& icon);

    std::array<ClickLabel*, 8> m_picInvisible{};
};
}
