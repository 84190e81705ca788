#include "operators.h"
#include "dbsession.h"

namespace Operators {

namespace {
QString flagColumn(int right) { return QStringLiteral("[%1]").arg(right); }
}

std::optional<bool> readFlag(const QVariant& stored)
{
    if (stored.isNull())
        return std::nullopt;
    bool ok = false;
    const double value = stored.toString().toDouble(&ok);
    if (ok && value == 1)
        return true;
    if (ok && value == 0)
        return false;
    return std::nullopt;
}

QString administratorName() { return QStringLiteral("管理员"); }

bool sameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (fold(x) != fold(y))
            return false;
    }
    return true;
}

DbResult<QStringList> names(NameOrder order)
{
    const QString sql = order == NameOrder::ById ? QStringLiteral("select M_Name from tb_enter order by M_ID")
                                                 : QStringLiteral("select M_Name from tb_enter order by rowid");
    auto rows = Database::read([&sql](DbSession& s) { return s.query(sql); });
    if (!rows)
        return rows.error();
    QStringList result;
    for (int i = 0; i < rows->count(); ++i)
        result << rows->text(i, QStringLiteral("M_Name"));
    return result;
}

DbResult<std::optional<Record>> find(const QString& name)
{
    auto rows = Database::read([&name](DbSession& s) {
        return s.query(QStringLiteral("select * from tb_enter where M_Name = ? order by rowid limit 1"), {name});
    });
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<Record>();
    Record record{rows->text(0, QStringLiteral("M_Name")), rows->text(0, QStringLiteral("M_zw")), {}};
    for (int right = 1; right <= RightCount; ++right)
        record.rights[right - 1] = readFlag(rows->value(0, QString::number(right)));
    return std::optional<Record>(record);
}

DbResult<RegisterOutcome> registerOperator(const Registration& r)
{
    if (r.password.isEmpty() || r.post.isEmpty() || r.name.isEmpty())
        return RegisterOutcome::Incomplete;
    RegisterOutcome outcome = RegisterOutcome::Registered;
    const DbStatus status = Database::runInTransaction([&](DbSession& s) -> DbStatus {
        auto taken = s.query(QStringLiteral("select M_ID from tb_enter where M_Name = ?"), {r.name});
        if (!taken)
            return taken.error();
        if (!taken->isEmpty()) {
            outcome = RegisterOutcome::NameTaken;
            return {};
        }
        if (r.password != r.confirmation) {
            outcome = RegisterOutcome::PasswordsDiffer;
            return {};
        }
        auto last = s.query(QStringLiteral("select coalesce(max(cast(M_ID as integer)), 0) + 1 as next from tb_enter"));
        if (!last)
            return last.error();
        const qlonglong next = last->value(0, QStringLiteral("next")).toLongLong();
        QString sql = QStringLiteral("insert into tb_enter values(?, ?, ?, ?");
        // 25 refused rights and the unused thirtieth column.
        for (int i = 0; i < RightCount + 1; ++i)
            sql += QStringLiteral(", '0'");
        sql += QLatin1Char(')');
        auto inserted = s.exec(sql, {next, r.name, r.post, r.password});
        return inserted.status();
    });
    if (!status)
        return status.error();
    return outcome;
}

DbResult<DeleteOutcome> deleteOperator(const QString& name)
{
    DeleteOutcome outcome = DeleteOutcome::Deleted;
    const DbStatus status = Database::runInTransaction([&](DbSession& s) -> DbStatus {
        auto rows = s.query(QStringLiteral("select M_Name from tb_enter where M_Name = ?"), {name});
        if (!rows)
            return rows.error();
        if (rows->isEmpty()) {
            outcome = DeleteOutcome::NotFound;
            return {};
        }
        if (rows->text(0, QStringLiteral("M_Name")) == administratorName()) {
            outcome = DeleteOutcome::Administrator;
            return {};
        }
        return s.exec(QStringLiteral("delete from tb_enter where M_Name = ?"), {name}).status();
    });
    if (!status)
        return status.error();
    return outcome;
}

DbResult<PasswordOutcome> changePassword(const QString& name, const QString& oldPassword, const QString& newPassword,
                                         const QString& confirmation)
{
    if (name.isEmpty() || confirmation.isEmpty() || newPassword.isEmpty() || oldPassword.isEmpty())
        return PasswordOutcome::Incomplete;
    PasswordOutcome outcome = PasswordOutcome::NoMatch;
    const DbStatus status = Database::runInTransaction([&](DbSession& s) -> DbStatus {
        // The password column compares exactly, as at login.
        auto rows = s.query(QStringLiteral("select rowid as id from tb_enter where M_Password = ? and M_Name = ?"),
                            {oldPassword, name});
        if (!rows)
            return rows.error();
        if (rows->isEmpty())
            return {};
        if (newPassword != confirmation) {
            outcome = PasswordOutcome::NewPasswordsDiffer;
            return {};
        }
        auto changed = s.exec(QStringLiteral("update tb_enter set M_Password = ? where rowid = ?"),
                              {confirmation, rows->value(0, QStringLiteral("id"))});
        if (!changed)
            return changed.error();
        if (*changed > 0)
            outcome = PasswordOutcome::Changed;
        return {};
    });
    if (!status)
        return status.error();
    return outcome;
}

DbResult<IdentityOutcome> checkIdentity(const QString& name, const QString& password)
{
    auto rows = Database::read([&name](DbSession& s) {
        return s.query(QStringLiteral("select M_Password from tb_enter where M_Name = ? order by rowid limit 1"), {name});
    });
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return IdentityOutcome::Unknown;
    return rows->text(0, QStringLiteral("M_Password")) == password ? IdentityOutcome::Confirmed : IdentityOutcome::WrongPassword;
}

DbResult<int> writeRights(const QString& name, const std::array<bool, RightCount>& rights)
{
    QStringList assignments;
    QVariantList params;
    for (int right = 1; right <= RightCount; ++right) {
        assignments << flagColumn(right) + QStringLiteral(" = ?");
        params << QString::number(rights[right - 1] ? 1 : 0);
    }
    params << name;
    const QString sql = QStringLiteral("update tb_enter set ") + assignments.join(QStringLiteral(", "))
                        + QStringLiteral(" where M_Name = ?");
    int changed = 0;
    const DbStatus status = Database::runInTransaction([&](DbSession& s) -> DbStatus {
        auto done = s.exec(sql, params);
        if (!done)
            return done.error();
        changed = *done;
        return {};
    });
    if (!status)
        return status.error();
    return changed;
}

}
