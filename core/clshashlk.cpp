#include "clshashlk.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr qint32 InitialSize = 10;
constexpr qint32 OverflowStep = 10;

bool fail(int number, bool raiseError)
{
    if (raiseError)
        throw HashLKError(number);
    return false;
}

qint32 absoluteKey(qint32 key)
{
    if (key == std::numeric_limits<qint32>::min())
        throw HashLKError(HashLKError::Overflow);
    return key < 0 ? -key : key;
}

// Nearest whole number, halves to even (the rounding mode in force by default).
qint32 roundHalfEven(double value) { return qint32(std::nearbyint(value)); }
}

HashLKError::HashLKError(int number)
    : std::runtime_error("hash table error " + std::to_string(number))
    , m_number(number)
{
}

clsHashLK::clsHashLK() { Clear(); }

clsHashLK::Candidates clsHashLK::candidates(qint32 key) const
{
    const qint32 k = absoluteKey(key);
    const qint32 size = mainSize();
    const qint32 h1 = k % size + 1;
    // k*k fits in 32 bits only up to 46340.
    const qint32 h2 = (k <= 46340 ? k * k % size : roundHalfEven(std::sqrt(double(k))) % size) + 1;
    return {{h1, h2, size - h1 + 1, size - h2 + 1}};
}

// The places below h1, above h1, then those of h2's range that h1's range
// does not cover, each in ascending order.
template <typename Accept>
qint32 clsHashLK::firstInNeighbourhoods(const Candidates& c, Accept accept) const
{
    const qint32 size = mainSize();
    const qint32 h1 = c.places[0];
    const qint32 h2 = c.places[1];
    for (qint32 p = std::max(1, h1 - 5); p <= h1 - 1; ++p)
        if (accept(p))
            return p;
    for (qint32 p = h1 + 1; p <= std::min(size, h1 + 5); ++p)
        if (accept(p))
            return p;
    for (qint32 p = std::max(1, h2 - 5); p <= std::min(size, h2 + 5); ++p)
        if ((p < h1 - 5 || p > h1 + 5) && accept(p))
            return p;
    return 0;
}

// A search never stops at a free place, so a removal hides no other entry.
qint32 clsHashLK::find(qint32 key) const
{
    const Candidates c = candidates(key);
    const auto holds = [&](qint32 place) {
        const Entry& entry = m_main[place - 1];
        return entry.used && entry.key == key;
    };
    for (qint32 place : c.places)
        if (holds(place))
            return place;
    if (const qint32 place = firstInNeighbourhoods(c, holds))
        return place;
    for (qint32 q = 1; q <= m_overflowCount; ++q)
        if (m_overflow[q - 1].key == key)
            return -q;
    return 0;
}

const clsHashLK::Entry& clsHashLK::entryAt(qint32 index) const { return index > 0 ? m_main[index - 1] : m_overflow[-index - 1]; }

const clsHashLK::Entry* clsHashLK::found(qint32 key, bool raiseError) const
{
    const qint32 index = find(key);
    if (index == 0) {
        fail(HashLKError::InvalidCall, raiseError);
        return nullptr;
    }
    return &entryAt(index);
}

void clsHashLK::put(Entry entry, bool growthAllowed)
{
    entry.used = true;
    const auto isFree = [&](qint32 place) { return !m_main[place - 1].used; };
    Candidates c = candidates(entry.key);
    for (;;) {
        for (qint32 place : c.places) {
            if (isFree(place)) {
                m_main[place - 1] = std::move(entry);
                ++m_mainCount;
                return;
            }
        }
        if (!growthAllowed || 3 * qint64(mainSize()) >= 4 * qint64(Count()))
            break;
        grow();
        c = candidates(entry.key);
    }
    if (const qint32 place = firstInNeighbourhoods(c, isFree)) {
        m_main[place - 1] = std::move(entry);
        ++m_mainCount;
        return;
    }
    if (m_overflowCount == qint32(m_overflow.size()))
        m_overflow.resize(m_overflow.size() + OverflowStep);
    m_overflow[m_overflowCount++] = std::move(entry);
}

void clsHashLK::grow()
{
    const qint32 n = std::max(Count(), mainSize());
    if (n < 10000)
        rebuild(2 * n);
    else if (n < 10000000)
        rebuild(roundHalfEven(1.5 * n));
    else
        rebuild(n + 1000000);
}

void clsHashLK::rebuild(qint32 newSize)
{
    std::vector<Entry> entries;
    entries.reserve(size_t(Count()));
    for (Entry& entry : m_main)
        if (entry.used)
            entries.push_back(std::move(entry));
    for (qint32 q = 0; q < m_overflowCount; ++q)
        entries.push_back(std::move(m_overflow[q]));

    m_main.assign(size_t(newSize), Entry{});
    m_overflow.clear();
    m_mainCount = 0;
    m_overflowCount = 0;
    for (Entry& entry : entries)
        put(std::move(entry), false);
    m_position = 0;
}

bool clsHashLK::Add(qintptr item, qint32 key, qint32 dataLong, const QString& dataString, bool raiseError)
{
    if (Count() >= MaxEntries)
        return fail(HashLKError::OutOfMemory, raiseError);
    if (find(key) != 0)
        return fail(HashLKError::InvalidCall, raiseError);
    put(Entry{key, item, dataLong, dataString, true}, true);
    m_position = 0;
    return true;
}

qintptr clsHashLK::Item(qint32 key, bool raiseError) const
{
    const Entry* entry = found(key, raiseError);
    return entry ? entry->item : 0;
}

qint32 clsHashLK::DataLong(qint32 key, bool raiseError) const
{
    const Entry* entry = found(key, raiseError);
    return entry ? entry->dataLong : 0;
}

QString clsHashLK::DataString(qint32 key, bool raiseError) const
{
    const Entry* entry = found(key, raiseError);
    return entry ? entry->dataString : QString();
}

bool clsHashLK::Remove(qint32 key, bool raiseError)
{
    const qint32 index = find(key);
    if (index == 0)
        return fail(HashLKError::InvalidCall, raiseError);
    if (index > 0) {
        m_main[index - 1] = Entry{};
        --m_mainCount;
    } else {
        // Later overflow entries move down one place; the last place falls free.
        m_overflow.erase(m_overflow.begin() + (-index - 1));
        m_overflow.emplace_back();
        --m_overflowCount;
    }
    m_position = 0;
    return true;
}

bool clsHashLK::IsKeyExist(qint32 key) const { return find(key) != 0; }

void clsHashLK::StartTraversal() { m_position = 1; }

qint32 clsHashLK::nextIndex()
{
    if (m_position > 0) {
        for (qint32 p = m_position; p <= mainSize(); ++p) {
            if (m_main[p - 1].used) {
                m_position = p + 1;
                return p;
            }
        }
        m_position = m_overflow.empty() ? 0 : -1;
    }
    if (m_position < 0) {
        for (qint32 q = -m_position; q <= qint32(m_overflow.size()); ++q) {
            if (m_overflow[q - 1].used) {
                m_position = -(q + 1);
                return -q;
            }
        }
        m_position = 0;
    }
    return 0;
}

qintptr clsHashLK::NextItem(qint32& dataLong, QString& dataString, qint32& key, bool& end)
{
    const qint32 index = nextIndex();
    if (index == 0) {
        end = true;
        return 0;
    }
    const Entry& entry = entryAt(index);
    dataLong = entry.dataLong;
    dataString = entry.dataString;
    key = entry.key;
    return entry.item;
}

qintptr clsHashLK::NextData(bool& end)
{
    const qint32 index = nextIndex();
    if (index == 0) {
        end = true;
        return 0;
    }
    return entryAt(index).item;
}

qint32 clsHashLK::NextDataLong(bool& end)
{
    const qint32 index = nextIndex();
    if (index == 0) {
        end = true;
        return 0;
    }
    return entryAt(index).dataLong;
}

QString clsHashLK::NextDataString(bool& end)
{
    const qint32 index = nextIndex();
    if (index == 0) {
        end = true;
        return QString();
    }
    return entryAt(index).dataString;
}

qint32 clsHashLK::NextKey(bool& end)
{
    const qint32 index = nextIndex();
    if (index == 0) {
        end = true;
        return 0;
    }
    return entryAt(index).key;
}

// Traversal order without disturbing a traversal the caller has under way.
template <typename Get>
qint32 clsHashLK::fillArray(Get get) const
{
    for (const Entry& entry : m_main)
        if (entry.used)
            get(entry);
    for (qint32 q = 0; q < m_overflowCount; ++q)
        get(m_overflow[q]);
    return Count();
}

qint32 clsHashLK::GetDataArray(QList<qintptr>& items) const
{
    if (Count() == 0)
        return 0;
    items.clear();
    return fillArray([&](const Entry& entry) { items.append(entry.item); });
}

qint32 clsHashLK::GetDataLongArray(QList<qint32>& dataLongs) const
{
    if (Count() == 0)
        return 0;
    dataLongs.clear();
    return fillArray([&](const Entry& entry) { dataLongs.append(entry.dataLong); });
}

qint32 clsHashLK::GetDataStringArray(QStringList& dataStrings) const
{
    if (Count() == 0)
        return 0;
    dataStrings.clear();
    return fillArray([&](const Entry& entry) { dataStrings.append(entry.dataString); });
}

qint32 clsHashLK::GetKeyArray(QList<qint32>& keys) const
{
    if (Count() == 0)
        return 0;
    keys.clear();
    return fillArray([&](const Entry& entry) { keys.append(entry.key); });
}

void clsHashLK::Clear()
{
    m_main.assign(InitialSize, Entry{});
    m_overflow.clear();
    m_mainCount = 0;
    m_overflowCount = 0;
    m_position = 0;
}

void clsHashLK::AlloMem(qint32 places)
{
    if (places > m_mainCount && places <= MaxEntries)
        rebuild(places);
}
