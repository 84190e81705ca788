#pragma once
// How the goods analysis reads a period: its whole months from the sales
// totals, the days at its edges from the lines, and the rows of both summed
// per group here, so that no statement sorts a period's rows.
#include "amount.h"
#include "rows.h"
#include "saleslines.h"

#include <QList>
#include <QString>
#include <QVariant>

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

// A name as the books compare names: Latin letters folded, nothing else.
QString FoldLatin(QString text);

// Adds up rows of (name, sums in ten-thousandths...) per name, in the order
// of the names. Names that differ only in Latin case are one group when
// foldCase is set, as the books compare them.
QList<GroupSums> SumByName(const Rows& rows, bool foldCase);
