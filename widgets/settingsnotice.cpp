#include "settingsnotice.h"
#include "messagebox.h"

#include <QDir>

bool saveSettingOrTell(const IniFile& file, const QString& section, const QString& key, const QString& value)
{
    QString reason;
    if (file.write(section, key, value, &reason))
        return true;
    MessageBox::show(nullptr,
                     QStringLiteral("设置未能保存：") + QDir::toNativeSeparators(file.path()) + QLatin1Char('\n') + reason,
                     MessageBox::NoticeTitle, QMessageBox::Warning);
    return false;
}
