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
    QHash<QString, qsizetype> index;
    index.reserve(rows.count() / 4);
    QList<GroupSums> groups;
    QList<QByteArray> keys; // as the engine orders texts: the bytes of their UTF-8
    for (int r = 0; r < rows.count(); ++r) {
        const QVariant name = rows.value(r, 0);
        const QString key = foldCase ? FoldLatin(name.toString()) : name.toString();
        auto at = index.constFind(key);
        if (at == index.cend()) {
            at = index.insert(key, groups.size());
            groups.append({name, QList<Amount>(sums)});
            keys << key.toUtf8();
        }
        GroupSums& group = groups[*at];
        for (int c = 0; c < sums; ++c)
            group.sums[c] += ReportSums::at(rows, r, c + 1);
    }
    QList<qsizetype> order(groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QList<GroupSums> ordered;
    ordered.reserve(groups.size());
    for (qsizetype i : std::as_const(order))
        ordered << std::move(groups[i]);
    return ordered;
}
