#pragma once
// What the waits of the filtered lists share: the keystroke that lists the
// most, typing it, and the database share of a list's statement beside plain
// SQLite running it.
#include "waits.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class QAbstractItemModel;
class QLineEdit;
class QWidget;

namespace ListWaits {
// The letter found in the most pinyin codes: the first keystroke that leaves the longest list.
QString busiestLetter(long long* goodsListed);
// One key of text typed into a box, as the keyboard delivers it.
void typeKey(QLineEdit* box, const QString& text);
// Times the key typed into the emptied filter box of a shown window, until
// its list's model holds the rows the statement gives.
void timeKeystrokes(benchmark::State& state, QWidget* window, QLineEdit* filterBox, const QString& key,
                    const QAbstractItemModel& list, long long rows);
// A list's statement read through the data layer, its rows let go outside the time.
void databaseShare(benchmark::State& state, const QString& sql, const QVariantList& params);
// The same statement through plain SQLite.
void plainSqlite(benchmark::State& state, const QString& path, const QString& sql, const QStringList& params);
}
