#pragma once
// How the goods analysis reads a period: its whole months from the sales
// totals, the days at its edges from the lines, and the rows of both summed
// per group here, so that no statement sorts a period's rows.
#include "amount.h"
#include "rows.h"
#include "saleslines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>
#include <string_view>
#include <unordered_map>

struct PeriodParts {
    QString firstMonth; // "yyyy-mm"; both empty when no whole month lies inside
    QString lastMonth;
    QList<DatePeriod> edges; // the days outside the whole months, read from the lines
};

// A month counts only when the period holds it whole; a period whose days
// are not "yyyy-mm-dd" dates is read from the lines alone.
PeriodParts SplitPeriod(const DatePeriod& period);

struct GroupSums {
    QVariant name;
    QList<Amount> sums;
};

// Rows of (name, sums in ten-thousandths...) added up per name. Names are
// compared as the engine compares them, on their UTF-8 bytes, which the
// rows hold: a name becomes a QString once per group. Names that differ only
// in Latin case are one group when foldCase is set, as the books compare
// them. The rows must outlive the sums.
class NameSums {
public:
    NameSums(const Rows& rows, bool foldCase);

    // The groups in the order of their names.
    QList<GroupSums> ordered() &&;
    // The sums of the name in column 0 of a row of other rows; none for a
    // NULL name or one without rows.
    const QList<Amount>* find(const Rows& names, int row) const;

private:
    // The bytes a row's name is compared on: the row's own, or owned's
    // where they had to be folded or made.
    std::string_view key(const Rows& rows, int row, std::optional<QByteArray>& owned) const;

    bool m_foldCase;
    QList<QByteArray> m_owned; // keys that are not the rows' own bytes
    // Qt's hash of a short key is slow on some processors (a masked load
    // for each): the standard one costs a tenth there.
    std::unordered_map<std::string_view, qsizetype> m_index;
    QList<std::string_view> m_keys;
    QList<GroupSums> m_groups;
};

QList<GroupSums> SumByName(const Rows& rows, bool foldCase);
