#pragma once
#include "quicksettings.h"

namespace Teskarn {
// "快捷文件夹设置": the targets and names of the six quick-folder slots.
class kuaijie2 : public QuickSettingsForm {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("kuaijie2"); }

    kuaijie2();

protected:
    // A chosen folder becomes the target and its base name the name, in place
    // of a typed one; a cancel changes nothing.
    void browse(const Row& row) override;
};
}
