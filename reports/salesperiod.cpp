#include "salesperiod.h"
#include "reportsums.h"

#include <QDate>
#include <algorithm>
#include <numeric>
#include <optional>

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

NameSums::NameSums(const Rows& rows, bool foldCase)
    : m_foldCase(foldCase)
{
    const int sums = int(rows.columns().size()) - 1;
    m_index.reserve(size_t(rows.count() / 4));
    for (int r = 0; r < rows.count(); ++r) {
        std::optional<QByteArray> owned;
        std::string_view key = this->key(rows, r, owned);
        if (owned) {
            m_owned << std::move(*owned);
            key = {m_owned.constLast().constData(), size_t(m_owned.constLast().size())};
        }
        const auto [at, added] = m_index.try_emplace(key, m_groups.size());
        if (added) {
            m_groups.append({rows.value(r, 0), QList<Amount>(sums)});
            m_keys.push_back(key);
        }
        GroupSums& group = m_groups[at->second];
        for (int c = 0; c < sums; ++c)
            group.sums[c] += ReportSums::at(rows, r, c + 1);
    }
}

std::string_view NameSums::key(const Rows& rows, int row, std::optional<QByteArray>& owned) const
{
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    const QByteArrayView stored = rows.utf8(row, 0);
    if (!stored.isNull() && !(m_foldCase && std::any_of(stored.cbegin(), stored.cend(), capital)))
        return {stored.data(), size_t(stored.size())};
    QByteArray& text = owned.emplace(stored.isNull() ? rows.value(row, 0).toString().toUtf8() : stored.toByteArray());
    if (m_foldCase)
        std::transform(text.begin(), text.end(), text.begin(), [&](char c) { return capital(c) ? char(c + ('a' - 'A')) : c; });
    return {text.constData(), size_t(text.size())};
}

QList<GroupSums> NameSums::ordered() &&
{
    QList<qsizetype> order(m_groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) { return m_keys[a] < m_keys[b]; });
    QList<GroupSums> ordered;
    ordered.reserve(m_groups.size());
    for (qsizetype i : std::as_const(order))
        ordered << std::move(m_groups[i]);
    return ordered;
}

const QList<Amount>* NameSums::find(const Rows& names, int row) const
{
    if (names.utf8(row, 0).isNull() && names.value(row, 0).isNull())
        return nullptr;
    std::optional<QByteArray> owned;
    const auto at = m_index.find(key(names, row, owned));
    return at == m_index.end() ? nullptr : &m_groups[at->second].sums;
}

QList<GroupSums> SumByName(const Rows& rows, bool foldCase) { return NameSums(rows, foldCase).ordered(); }
