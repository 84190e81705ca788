#pragma once
#include "dbresult.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>

// The operator book (tb_enter), its one reader and writer: the operator
// list, login and identity checks, registration, deletion, passwords and the
// 25 right flags. Each call opens its own session and closes it before it
// returns, so the caller may show a message box afterwards.
namespace Operators {

inline constexpr int RightCount = 25;
// The operator's right flags [1] to [25] as read: each set, cleared, or
// unreadable (NULL or any other text).
using RightFlags = std::array<std::optional<bool>, RightCount>;
// A stored flag compares as a number, so the text "1" grants and "0" refuses.
std::optional<bool> readFlag(const QVariant& stored);

QString administratorName();

enum class NameOrder { Table, ById };
DbResult<QStringList> names(NameOrder order);

struct Record {
    QString name;
    QString post;
    RightFlags rights;
};
// The operator's row, when the name has one.
DbResult<std::optional<Record>> find(const QString& name);

struct Registration {
    QString name;
    QString post;
    QString password;
    QString confirmation;
};
enum class RegisterOutcome { Incomplete, NameTaken, PasswordsDiffer, Registered };
// Checks in this order: a box left empty, a name already taken, passwords
// that differ. A registered operator gets the highest number + 1 and no rights.
DbResult<RegisterOutcome> registerOperator(const Registration& registration);

enum class DeleteOutcome { NotFound, Administrator, Deleted };
DbResult<DeleteOutcome> deleteOperator(const QString& name);

enum class PasswordOutcome { Incomplete, NoMatch, NewPasswordsDiffer, Changed };
DbResult<PasswordOutcome> changePassword(const QString& name, const QString& oldPassword, const QString& newPassword,
                                         const QString& confirmation);

// The name's row and its password, compared exactly (a missing one is
// empty), as at login.
enum class IdentityOutcome { Unknown, WrongPassword, Confirmed };
DbResult<IdentityOutcome> checkIdentity(const QString& name, const QString& password);

// Writes all 25 flags of the named operator in one statement; the number of
// rows changed.
DbResult<int> writeRights(const QString& name, const std::array<bool, RightCount>& rights);

// Whether two operator names are the same to the database, which compares
// names without regard to Latin case.
bool sameName(const QString& a, const QString& b);

}
