#include "salesperiod.h"
#include "reportsums.h"

#include <QDate>
#include <QHash>
#include <algorithm>
#include <numeric>

PeriodParts SplitPeriod(const DatePeriod& period)
{
    const QDate first = QDate::fromString(period.first, Qt::ISODate);
    const QDate last = QDate::fromString(period.last, Qt::ISODate);
    const bool dates = first.isValid() && last.isValid() && period.first.size() == 10 && period.last.size() == 10;
    if (!dates)
        return {{}, {}, {period}};
    const QDate monthsStart = first.day() == 1 ? first : QDate(first.year(), first.month(), 1).addMonths(1);
    const QDate monthsEnd = last.day() == last.daysInMonth() ? last : QDate(last.year(), last.month(), 1).addDays(-1);
    if (monthsStart > monthsEnd)
        return {{}, {}, {period}};
    PeriodParts parts{monthsStart.toString(QStringLiteral("yyyy-MM")), monthsEnd.toString(QStringLiteral("yyyy-MM")), {}};
    if (first < monthsStart)
        parts.edges.append({period.first, monthsStart.addDays(-1).toString(Qt::ISODate)});
    if (monthsEnd < last)
        parts.edges.append({monthsEnd.addDays(1).toString(Qt::ISODate), period.last});
    return parts;
}

QString FoldLatin(QString text)
{
    // Most names hold no Latin capital: those are handed back unchanged, uncopied.
    const auto capital = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); };
    const auto first = std::find_if(text.cbegin(), text.cend(), capital);
    if (first == text.cend())
        return text;
    for (qsizetype i = first - text.cbegin(); i < text.size(); ++i) {
        if (capital(text.at(i)))
            text[i] = QChar(text.at(i).unicode() + ('a' - 'A'));
    }
    return text;
}

QList<GroupSums> SumByName(const Rows& rows, bool foldCase)
{
    const int sums = int(rows.columns().size()) - 1;
    // Names are compared as the engine compares them, on their UTF-8 bytes,
    // which the rows hold: a name becomes a QString once per group.
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    QList<QByteArray> owned; // keys that are not the rows' own bytes
    QHash<QByteArrayView, qsizetype> index;
    index.reserve(rows.count() / 4);
    QList<GroupSums> groups;
    QList<QByteArrayView> keys;
    for (int r = 0; r < rows.count(); ++r) {
        QByteArrayView key = rows.utf8(r, 0);
        if (key.isNull() || (foldCase && std::any_of(key.cbegin(), key.cend(), capital))) {
            QByteArray text = key.isNull() ? rows.value(r, 0).toString().toUtf8() : key.toByteArray();
            if (foldCase)
                std::transform(text.begin(), text.end(), text.begin(),
                               [&](char c) { return capital(c) ? char(c + ('a' - 'A')) : c; });
            owned << text;
            key = owned.constLast();
        }
        auto at = index.constFind(key);
        if (at == index.cend()) {
            at = index.insert(key, groups.size());
            groups.append({rows.value(r, 0), QList<Amount>(sums)});
            keys << key;
        }
        GroupSums& group = groups[*at];
        for (int c = 0; c < sums; ++c)
            group.sums[c] += ReportSums::at(rows, r, c + 1);
    }
    QList<qsizetype> order(groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    QList<GroupSums> ordered;
    ordered.reserve(groups.size());
    for (qsizetype i : std::as_const(order))
        ordered << std::move(groups[i]);
    return ordered;
}
