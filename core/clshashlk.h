#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>
#include <vector>

// A failed call of clsHashLK, with the runtime's error number.
class HashLKError : public std::runtime_error {
public:
    enum Number { InvalidCall = 5, Overflow = 6, OutOfMemory = 7 };
    explicit HashLKError(int number);
    int number() const { return m_number; }

private:
    int m_number;
};

// A table from a 32-bit key to an item, a second number and a text: open
// addressing over a main area with four candidate places per key, two small
// neighbourhoods searched linearly, and an unordered overflow list. Items are
// pointer-wide so that an address fits.
//
// With the raise-error flag set, a missing or duplicate key throws
// HashLKError(5) and a full table HashLKError(7); with it clear they fail
// quietly. The key -2147483648 has no absolute value and always throws
// HashLKError(6).
class clsHashLK {
public:
    static constexpr qint32 MaxEntries = 214748364;

    clsHashLK();

    bool Add(qintptr item, qint32 key, qint32 dataLong, const QString& dataString, bool raiseError);
    qintptr Item(qint32 key, bool raiseError) const;
    qint32 DataLong(qint32 key, bool raiseError) const;
    QString DataString(qint32 key, bool raiseError) const;
    bool Remove(qint32 key, bool raiseError);
    bool IsKeyExist(qint32 key) const;

    // The Next members set `end` when nothing is left and never clear it.
    void StartTraversal();
    qintptr NextItem(qint32& dataLong, QString& dataString, qint32& key, bool& end);
    qintptr NextData(bool& end);
    qint32 NextDataLong(bool& end);
    QString NextDataString(bool& end);
    qint32 NextKey(bool& end);

    // Fill the list in traversal order and give the count; an empty table
    // leaves the list alone.
    qint32 GetDataArray(QList<qintptr>& items) const;
    qint32 GetDataLongArray(QList<qint32>& dataLongs) const;
    qint32 GetDataStringArray(QStringList& dataStrings) const;
    qint32 GetKeyArray(QList<qint32>& keys) const;

    void Clear();
    void AlloMem(qint32 places);
    qint32 Count() const { return m_mainCount + m_overflowCount; }

    // Where a key sits: a main place (1 ... mainSize()), minus an overflow
    // place, or 0 when absent.
    qint32 placeOf(qint32 key) const { return find(key); }
    qint32 mainSize() const { return qint32(m_main.size()); }

private:
    struct Entry {
        qint32 key = 0;
        qintptr item = 0;
        qint32 dataLong = 0;
        QString dataString;
        bool used = false;
    };
    struct Candidates {
        qint32 places[4];
    };

    Candidates candidates(qint32 key) const;
    template <typename Accept>
    qint32 firstInNeighbourhoods(const Candidates& c, Accept accept) const;
    qint32 find(qint32 key) const;
    const Entry& entryAt(qint32 index) const;
    const Entry* found(qint32 key, bool raiseError) const;
    void put(Entry entry, bool growthAllowed);
    void grow();
    void rebuild(qint32 newSize);
    qint32 nextIndex();
    template <typename Get>
    qint32 fillArray(Get get) const;

    std::vector<Entry> m_main;
    std::vector<Entry> m_overflow; // its size is the overflow capacity
    qint32 m_mainCount = 0;
    qint32 m_overflowCount = 0;
    // 0: no traversal; n > 0: main place n is next; n < 0: overflow place -n is next.
    qint32 m_position = 0;
};
