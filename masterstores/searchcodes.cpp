#include "searchcodes.h"
#include "module2.h"

DbResult<SearchCodes> MakeSearchCodes(DbSession& session, const QString& name)
{
    SearchCodes codes;
    const QList<uint> characters = name.toUcs4();
    for (const uint code : characters) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        codes.pinyin += Module2::GetPYInitial(character);
        auto rows = session.query(QStringLiteral("select k2 from sysdepe where k1 = ? limit 1"), {character});
        if (!rows)
            return rows.error();
        const QString k2 = rows->isEmpty() ? QString() : rows->text(0, QStringLiteral("k2"));
        codes.wubi += k2.isEmpty() ? character : k2.left(1);
    }
    codes.wubi = codes.wubi.toUpper();
    return codes;
}
