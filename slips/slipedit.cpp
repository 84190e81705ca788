#include "slipedit.h"
#include "slipbook.h"

#include <QRegularExpression>

namespace {
// The kind's letter (in either case, as the books compare it) and seven digits.
bool isSlipNumber(const SlipDesign& design, const QString& number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{7}$"));
    return number.size() == design.letter.size() + 7 && number.startsWith(design.letter, Qt::CaseInsensitive)
           && digits.match(number.mid(design.letter.size())).hasMatch();
}

// What an edit writes into the slip's lines: the number, and a sales slip's names.
ColumnValues lineColumns(const SlipDesign& design, const SlipEdit& edit)
{
    ColumnValues columns{{QStringLiteral("单号"), edit.number}};
    if (design.family == SlipFamily::Sales)
        columns << ColumnValues{{QStringLiteral("客户"), edit.partner},
                                {QStringLiteral("业务员"), edit.salesman},
                                {QStringLiteral("介绍人"), edit.introducer}};
    return columns;
}

ColumnValues headerColumns(const SlipDesign& design, const SlipEdit& edit)
{
    ColumnValues columns = lineColumns(design, edit);
    if (design.family == SlipFamily::Purchase)
        columns << ColumnValues{{QStringLiteral("供应商"), edit.partner}};
    return columns << ColumnValues{{QStringLiteral("备注"), edit.remark}};
}

DbStatus update(DbSession& session, const QString& table, const ColumnValues& columns, const QString& where, const QVariant& key)
{
    QStringList assignments;
    QVariantList params;
    for (const auto& [column, value] : columns) {
        assignments << column + QStringLiteral(" = ?");
        params << value;
    }
    params << key;
    return session
        .exec(QStringLiteral("update %1 set %2 where %3 = ?").arg(table, assignments.join(QStringLiteral(", ")), where), params)
        .status();
}

SlipOutcome edit(DbSession& session, const SlipDesign& design, const QString& number, const SlipEdit& edit)
{
    const bool sales = design.family == SlipFamily::Sales;
    auto header = SlipBook::header(session, design, number,
                                   sales ? QStringLiteral("合计金额, 客户, 介绍人") : QStringLiteral("单号"));
    if (!header)
        return SlipOutcome::failed(header.error());
    if (header->isEmpty())
        return SlipOutcome::notFound();
    const QVariant rowid = header->value(0, 0);
    if (edit.number.trimmed().isEmpty() || (edit.number != number && !isSlipNumber(design, edit.number)))
        return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));
    auto held = SlipBook::numberHeld(session, design, edit.number, rowid.toLongLong());
    if (!held)
        return SlipOutcome::failed(held.error());
    if (*held)
        return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));

    if (DbStatus written = update(session, design.headerTable, headerColumns(design, edit), QStringLiteral("rowid"), rowid);
        !written)
        return SlipOutcome::failed(written.error());
    const bool renumbered = edit.number != number;
    if (renumbered || sales) {
        if (DbStatus written = update(session, design.lineTable, lineColumns(design, edit), QStringLiteral("单号"), number);
            !written)
            return SlipOutcome::failed(written.error());
    }
    if (renumbered && !design.paymentTable.isEmpty()) {
        if (DbStatus written = update(session, design.paymentTable, {{QStringLiteral("单号"), edit.number}},
                                      QStringLiteral("单号"), number);
            !written)
            return SlipOutcome::failed(written.error());
    }
    if (sales) {
        const Amount points = SlipBook::slipPoints(design, Amount::fromValue(header->value(0, 1)));
        const std::pair<QString, QString> moves[] = {{header->text(0, QStringLiteral("客户")), edit.partner},
                                                     {header->text(0, QStringLiteral("介绍人")), edit.introducer}};
        for (const auto& [before, after] : moves) {
            if (before == after)
                continue;
            for (const auto& [name, moved] : {std::pair{before, -points}, std::pair{after, points}}) {
                if (SlipOutcome status = SlipBook::movePoints(session, name, moved); !status)
                    return status;
            }
        }
    }
    return SlipOutcome::done();
}
}

SlipOutcome EditSlip(DbSession& session, const SlipDesign& design, const QString& number, const SlipEdit& edit)
{
    return SlipBook::write(session, [&](DbSession& s) { return ::edit(s, design, number, edit); });
}
