#pragma once
#include "quicksettings.h"

namespace Teskarn {
// "修改快捷菜单": the targets of the eight quick-launch slots.
class kuaijie : public QuickSettingsForm {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("kuaijie"); }

    kuaijie();
    // Also makes what the file holds the targets that the panel and F1 open.
    void Form_Load() override;

protected:
    // A chosen file replaces the box's text; a cancel keeps it.
    void browse(const Row& row) override;
};
}
