#include "settingsnotice.h"
#include "messagebox.h"

#include <QDir>

bool refusedLineBreak(const QList<SettingInput>& inputs, QWidget* parent)
{
    for (const SettingInput& input : inputs) {
        if (IniFile::breaksLines(input.entry.value)) {
            MessageBox::show(parent, input.caption + QStringLiteral("不能包含换行符。"), MessageBox::NoticeTitle);
            return true;
        }
    }
    return false;
}

bool saveSettingsOrTell(const IniFile& file, const QList<SettingInput>& inputs, QWidget* parent)
{
    if (refusedLineBreak(inputs, parent))
        return false;
    QList<IniFile::Entry> entries;
    for (const SettingInput& input : inputs)
        entries << input.entry;
    QString reason;
    if (file.write(entries, &reason))
        return true;
    MessageBox::show(parent, settingsNotSaved(file.path(), reason), MessageBox::NoticeTitle, QMessageBox::Warning);
    return false;
}

QString settingsNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("设置未能保存：") + QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
}
