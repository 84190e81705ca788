#pragma once
#include "inifile.h"

class QWidget;

// A setting one action of the user stores, with the caption of the box it
// came from ("" for a value the program sets, which never breaks a line).
struct SettingInput {
    IniFile::Entry entry;
    QString caption;
};

// Saves what one action changed in one rewrite of the file. A value holding
// a line break is refused with its box's caption before anything is written;
// when the file cannot be saved it stays as it was and the user is told
// which file and why.
bool saveSettingsOrTell(const IniFile& file, const QList<SettingInput>& inputs, QWidget* parent = nullptr);
// True, once told, when a value holds a line break: for a form that acts on
// the values before it saves them.
bool refusedLineBreak(const QList<SettingInput>& inputs, QWidget* parent = nullptr);

// What a failed save tells: the file, then the reason.
QString settingsNotSaved(const QString& path, const QString& reason);
